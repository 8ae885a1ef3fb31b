#include "CXTThemeManager.h"
#include "CXTThemeManagerStyleFactory.h"

#include <algorithm>

CXTThemeManager& CXTThemeManager::Instance()
{
    static CXTThemeManager manager;
    return manager;
}

CXTThemeManager::~CXTThemeManager()
{
    // Each factory takes itself off the list as it goes.
    for (auto& entry : m_registered)
        delete entry.second;
}

CXTThemeManagerStyleFactory* CXTThemeManager::LookUpFactory(const CRuntimeClass* pFactoryClass)
{
    auto found = m_registered.find(pFactoryClass);
    if (found != m_registered.end())
        return found->second;
    auto* pFactory = static_cast<CXTThemeManagerStyleFactory*>(pFactoryClass->CreateObject());
    if (pFactory != nullptr)
        m_registered[pFactoryClass] = pFactory;
    return pFactory;
}

void CXTThemeManager::AddFactory(CXTThemeManagerStyleFactory* pFactory)
{
    m_factories.push_back(pFactory);
}

void CXTThemeManager::RemoveFactory(CXTThemeManagerStyleFactory* pFactory)
{
    m_factories.erase(std::remove(m_factories.begin(), m_factories.end(), pFactory), m_factories.end());
}
