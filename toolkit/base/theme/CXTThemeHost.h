#pragma once
// The part of a themed control that finds its theme: it draws with the shared
// factory of its factory class, or with a private factory once it was given a
// theme of its own, and repaints when that factory's theme changes.
#include "Framework.h"

class CXTThemeManagerStyle;
class CXTThemeManagerStyleFactory;

class CXTThemeHost {
public:
    explicit CXTThemeHost(const CRuntimeClass* pFactoryClass = nullptr);
    virtual ~CXTThemeHost();
    CXTThemeHost(const CXTThemeHost&) = delete;
    CXTThemeHost& operator=(const CXTThemeHost&) = delete;

    // Moves the host to the shared factory of pFactoryClass.
    void JoinFactory(const CRuntimeClass* pFactoryClass);
    // The private factory when there is one, else the shared one.
    CXTThemeManagerStyleFactory* LookUpFactory() const;
    CXTThemeManagerStyle* ThemeInUse() const;
    // A theme of this host's own (taken over); null goes back to the shared theme.
    void InstallTheme(CXTThemeManagerStyle* pTheme);

protected:
    virtual CXTThemeManagerStyleFactory* CreatePrivateFactory();
    // The theme changed: the control repaints.
    virtual void OnThemeChanged() {}

private:
    friend class CXTThemeManagerStyleFactory;
    void Leave();
    void Join();

    BOOL m_bOwnsFactory = FALSE;
    const CRuntimeClass* m_pFactoryClass = nullptr;
    CXTThemeManagerStyleFactory* m_pPrivateFactory = nullptr;
    CXTThemeManagerStyleFactory* m_pSharedFactory = nullptr;
    CXTThemeHost* m_pNextHost = nullptr;
};
