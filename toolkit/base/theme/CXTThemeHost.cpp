#include "CXTThemeHost.h"
#include "CXTThemeManager.h"
#include "CXTThemeManagerStyle.h"
#include "CXTThemeManagerStyleFactory.h"

CXTThemeHost::CXTThemeHost(const CRuntimeClass* pFactoryClass)
{
    if (pFactoryClass != nullptr)
        JoinFactory(pFactoryClass);
}

CXTThemeHost::~CXTThemeHost()
{
    Leave();
    if (m_bOwnsFactory)
        delete m_pPrivateFactory;
}

void CXTThemeHost::Leave()
{
    if (CXTThemeManagerStyleFactory* pFactory = LookUpFactory())
        pFactory->RemoveHost(this);
}

void CXTThemeHost::Join()
{
    if (CXTThemeManagerStyleFactory* pFactory = LookUpFactory())
        pFactory->AddHost(this);
}

void CXTThemeHost::JoinFactory(const CRuntimeClass* pFactoryClass)
{
    Leave();
    m_pFactoryClass = pFactoryClass;
    m_pSharedFactory = CXTThemeManager::Instance().LookUpFactory(pFactoryClass);
    Join();
}

CXTThemeManagerStyleFactory* CXTThemeHost::LookUpFactory() const
{
    return m_pPrivateFactory != nullptr ? m_pPrivateFactory : m_pSharedFactory;
}

CXTThemeManagerStyle* CXTThemeHost::ThemeInUse() const
{
    CXTThemeManagerStyleFactory* pFactory = LookUpFactory();
    return pFactory != nullptr ? pFactory->EnsureTheme() : nullptr;
}

CXTThemeManagerStyleFactory* CXTThemeHost::CreatePrivateFactory()
{
    return m_pFactoryClass != nullptr ? static_cast<CXTThemeManagerStyleFactory*>(m_pFactoryClass->CreateObject())
                                      : nullptr;
}

void CXTThemeHost::InstallTheme(CXTThemeManagerStyle* pTheme)
{
    if (m_pPrivateFactory == nullptr && pTheme == nullptr)
        return;
    Leave();
    if (m_bOwnsFactory)
        delete m_pPrivateFactory;
    m_pPrivateFactory = nullptr;
    m_bOwnsFactory = FALSE;
    if (pTheme != nullptr) {
        m_pPrivateFactory = CreatePrivateFactory();
        if (m_pPrivateFactory != nullptr) {
            m_pPrivateFactory->InstallTheme(pTheme);
            m_bOwnsFactory = TRUE;
        } else {
            delete pTheme;
        }
    }
    OnThemeChanged();
    Join();
}
