#include "CXTThemeManagerStyleFactory.h"
#include "CXTThemeHost.h"
#include "CXTThemeManager.h"
#include "CXTThemeManagerStyle.h"

IMPLEMENT_DYNCREATE(CXTThemeManagerStyleFactory, CObject)

CXTThemeManagerStyleFactory::CXTThemeManagerStyleFactory()
{
    CXTThemeManager::Instance().AddFactory(this);
}

CXTThemeManagerStyleFactory::~CXTThemeManagerStyleFactory()
{
    delete m_pTheme;
    CXTThemeManager::Instance().RemoveFactory(this);
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::MakeThemeObject(int /*nTheme*/)
{
    return nullptr;
}

void CXTThemeManagerStyleFactory::ReloadMetrics()
{
    if (m_pTheme != nullptr)
        m_pTheme->ReloadMetrics();
}

void CXTThemeManagerStyleFactory::Adopt(CXTThemeManagerStyle* pTheme)
{
    m_pTheme = pTheme;
    if (m_pTheme != nullptr) {
        m_pTheme->SetFactory(this);
        m_pTheme->ReloadMetrics();
    }
}

void CXTThemeManagerStyleFactory::InstallTheme(CXTThemeManagerStyle* pTheme)
{
    if (pTheme != m_pTheme)
        delete m_pTheme;
    Adopt(pTheme);
    for (CXTThemeHost* pHost = m_pFirstHost; pHost != nullptr; pHost = pHost->m_pNextHost)
        pHost->OnThemeChanged();
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::EnsureTheme()
{
    if (m_pTheme == nullptr)
        Adopt(MakeThemeObject(CXTThemeManager::Instance().GetTheme()));
    return m_pTheme;
}

void CXTThemeManagerStyleFactory::AddHost(CXTThemeHost* pHost)
{
    pHost->m_pNextHost = m_pFirstHost;
    m_pFirstHost = pHost;
}

void CXTThemeManagerStyleFactory::RemoveHost(CXTThemeHost* pHost)
{
    for (CXTThemeHost** ppLink = &m_pFirstHost; *ppLink != nullptr; ppLink = &(*ppLink)->m_pNextHost) {
        if (*ppLink == pHost) {
            *ppLink = pHost->m_pNextHost;
            pHost->m_pNextHost = nullptr;
            return;
        }
    }
}
