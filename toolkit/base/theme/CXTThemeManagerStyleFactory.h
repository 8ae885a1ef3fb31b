#pragma once
// Holds the current theme of one control class and the hosts that draw with it;
// a control class derives its own factory to make its themes.
#include "Framework.h"

class CXTThemeHost;
class CXTThemeManagerStyle;

class CXTThemeManagerStyleFactory : public CObject {
    DECLARE_DYNCREATE(CXTThemeManagerStyleFactory)
public:
    CXTThemeManagerStyleFactory();
    ~CXTThemeManagerStyleFactory() override;

    // The theme of a theme number; this base makes none.
    virtual CXTThemeManagerStyle* MakeThemeObject(int nTheme);
    virtual void ReloadMetrics();

    // Takes pTheme over (the old one is deleted) and repaints every host.
    void InstallTheme(CXTThemeManagerStyle* pTheme);
    // The current theme, made with the global theme number when there is none.
    CXTThemeManagerStyle* EnsureTheme();
    CXTThemeManagerStyle* GetTheme() const { return m_pTheme; }

    void AddHost(CXTThemeHost* pHost);
    void RemoveHost(CXTThemeHost* pHost);
    CXTThemeHost* GetFirstHost() const { return m_pFirstHost; }

private:
    void Adopt(CXTThemeManagerStyle* pTheme);

    CXTThemeManagerStyle* m_pTheme = nullptr;
    CXTThemeHost* m_pFirstHost = nullptr;
};
