#pragma once
// Base of every theme a factory makes: it knows its factory and can keep a
// snapshot of the parent's background for controls that show through.
#include "Framework.h"
#include "CWnd.h"

class CXTThemeManagerStyleFactory;

class CXTThemeManagerStyle {
public:
    CXTThemeManagerStyle() = default;
    virtual ~CXTThemeManagerStyle() = default;
    CXTThemeManagerStyle(const CXTThemeManagerStyle&) = delete;
    CXTThemeManagerStyle& operator=(const CXTThemeManagerStyle&) = delete;

    virtual void ReloadMetrics() {}
    // Copies the part of the parent's client area under the window; false when
    // the window has no parent window.
    virtual BOOL CopyParentBackground(CWnd* pWnd);
    // For a window with WS_EX_TRANSPARENT: paints the parent's background under
    // it at (0, 0) of pDC; false otherwise.
    virtual BOOL PaintCopiedBackground(CDC* pDC, CWnd* pWnd);

    CXTThemeManagerStyleFactory* GetFactory() const { return m_pFactory; }
    void SetFactory(CXTThemeManagerStyleFactory* pFactory) { m_pFactory = pFactory; }
    // The number the factory made the theme for.
    int GetThemeNumber() const { return m_nTheme; }
    void SetThemeNumber(int nTheme) { m_nTheme = nTheme; }

private:
    CXTThemeManagerStyleFactory* m_pFactory = nullptr;
    int m_nTheme = 0;
    CBitmap m_bmpBackground;
};
