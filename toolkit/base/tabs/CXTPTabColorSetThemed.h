#pragma once
// Tabs drawn by the system's visual style ("TAB" and "TOOLBAR" classes); the
// plain set's look while no style is open.
#include "CXTPTabColorSetPlain.h"
#include "CXTPWinThemeWrapper.h"

class CXTPTabColorSetThemed : public CXTPTabColorSetPlain {
public:
    void ReloadMetrics() override;
    void PaintHeaderBackground(CDC* pDC, const CRect& rc, CXTPTabManager* pManager) override;
    void PaintClientBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem) override;
    void PaintSelectedTab(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem) override;
    COLORREF PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem) override;
    void PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc) override;
    BOOL IsSystemThemed() const override;

private:
    // The theme's tab item in the item's state, turned to the header position.
    void DrawThemedTab(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem);

    CXTPWinThemeWrapper m_themeTab;
    CXTPWinThemeWrapper m_themeToolbar;
};
