#pragma once
// The process-wide register of theme factories: one shared factory per factory
// class, made on first request, and the list of every factory alive.
#include "Framework.h"

#include <map>
#include <vector>

class CXTThemeManagerStyleFactory;

class CXTThemeManager {
public:
    static CXTThemeManager& Instance();
    ~CXTThemeManager();
    CXTThemeManager(const CXTThemeManager&) = delete;
    CXTThemeManager& operator=(const CXTThemeManager&) = delete;

    // The shared factory of the class; made through its dynamic creation when there is none yet.
    CXTThemeManagerStyleFactory* LookUpFactory(const CRuntimeClass* pFactoryClass);

    // The theme number a factory makes its first theme with.
    int GetTheme() const { return m_nTheme; }
    void SetTheme(int nTheme) { m_nTheme = nTheme; }

    void AddFactory(CXTThemeManagerStyleFactory* pFactory);
    void RemoveFactory(CXTThemeManagerStyleFactory* pFactory);
    const std::vector<CXTThemeManagerStyleFactory*>& GetFactories() const { return m_factories; }

private:
    CXTThemeManager() = default;

    std::map<const CRuntimeClass*, CXTThemeManagerStyleFactory*> m_registered;
    int m_nTheme = 0;
    std::vector<CXTThemeManagerStyleFactory*> m_factories;
};
