#pragma once
// Tabs drawn by the system's visual style ("TAB" and "TOOLBAR" classes); the
// plain set's look while no style is open.
#include "CXTPTabColorSetPlain.h"
#include "CXTPWinThemeWrapper.h"

#include <map>
#include <memory>
#include <tuple>

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

    // A tab picture turned for one position, size, state and face colour.
    struct TurnedKey {
        int nState;
        int nPosition;
        int cx;
        int cy;
        COLORREF clrFace;
        bool operator<(const TurnedKey& other) const
        {
            return std::tie(nState, nPosition, cx, cy, clrFace) <
                   std::tie(other.nState, other.nPosition, other.cx, other.cy, other.clrFace);
        }
    };
    static constexpr size_t kMaxTurnedTabs = 256;

    // The kept turned picture for the key, drawn on first use; null when no DIB can be had.
    HBITMAP TurnedTab(CDC* pDC, const TurnedKey& key);

    // The kept pane drawing of the size; null when no DIB can be had.
    HBITMAP PaneOfSize(CDC* pDC, CSize size);

    CXTPWinThemeWrapper m_themeTab;
    CXTPWinThemeWrapper m_themeToolbar;
    CBitmap m_bmpPane;
    CSize m_szPane;
    BOOL m_bPaneOpaque = FALSE;
    std::map<TurnedKey, std::unique_ptr<CBitmap>> m_turnedTabs;
};
