#pragma once
// Every colour the tab paint manager and its appearance sets paint tabs with,
// and the colour-dependent fills: header, client area, tab faces, the selected
// tab, text colours and navigate buttons. Colours are read again from the
// colour manager by ReloadMetrics.
#include "Framework.h"
#include "CXTPPaintManagerColorGradient.h"

class CXTPTabManager;
class CXTPTabManagerItem;
class CXTPTabNavigateButton;
class CXTPTabPaintManager;

// The automatic tab colours: a tab colour 0x1000000 + n (n = 0..7) stands for
// entry n of a fixed palette.
constexpr COLORREF kFirstPaletteTabColor = 0x1000000;
COLORREF PaletteTabColor(COLORREF clrValue);

// Colour value of a gradient's first colour that asks for a dithered fill.
constexpr COLORREF kDitheredFill = COLORREF(-2);

class CXTPTabColorSet {
public:
    // One edge block of the trapezoid tabs.
    enum BlockEdge {
        edgeOuterLeftTop,
        edgeOuterBottom,
        edgeOuterRight,
        edgeInnerLeftTop,
        edgeInnerRight,
        edgeInnerBottom,
        edgeCount
    };

    CXTPTabColorSet() = default;
    virtual ~CXTPTabColorSet() = default;
    CXTPTabColorSet(const CXTPTabColorSet&) = delete;
    CXTPTabColorSet& operator=(const CXTPTabColorSet&) = delete;

    virtual void ReloadMetrics();
    virtual void ApplyTextColor(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual void PaintHeaderBackground(CDC* pDC, const CRect& rc, CXTPTabManager* pManager);
    virtual void PaintClientBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem);
    virtual void PaintSelectedTab(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem);
    // Answers the colour used, or -1 when nothing was filled.
    virtual COLORREF PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem);
    virtual void PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc) = 0;
    virtual COLORREF TabFillColor(CXTPTabManagerItem* pItem);
    // The tab as a push button in its state (normal, hot, selected).
    virtual void DrawTabButton(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem);
    // Only the visual-style set answers TRUE, and only while its theme is open.
    virtual BOOL IsSystemThemed() const { return FALSE; }

    // A gradient across the tab direction, or the dithered pattern when first is -2.
    void ShadeArea(CDC* pDC, const CRect& rc, COLORREF clrFirst, COLORREF clrSecond, int nPosition) const;

    void SetPaintManager(CXTPTabPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }

    // The edge colour of the frame drawn by the frame style, for the right (code 2) or bottom (code 3) edge.
    COLORREF FrameEdgeColor() const { return m_clrFrameBorder; }

    CXTPPaintManagerColorGradient m_clrHeaderFace;
    CXTPPaintManagerColorGradient m_clrButtonFace;
    CXTPPaintManagerColor m_clrFrameBorder;
    CXTPPaintManagerColor m_clrClientFace;
    CXTPPaintManagerColor m_clrFrameHighlight;
    CXTPPaintManagerColor m_clrSelectedTabFace;
    CXTPPaintManagerColor m_clrNormalTabFace;
    CXTPPaintManagerColor m_clrNormalText;
    CXTPPaintManagerColor m_clrInactiveText;
    CXTPPaintManagerColor m_clrSelectedText;
    CXTPPaintManagerColor m_clrHotText;
    CXTPPaintManagerColor m_clrDisabledText;
    CXTPPaintManagerColorGradient m_clrSelectedFill;
    // First colour: top and left edges; second: bottom and right.
    CXTPPaintManagerColorGradient m_clrSelectedBorder;

    // Colours the appearance sets draw their shapes with.
    CXTPPaintManagerColor m_clrTabHighlight;
    CXTPPaintManagerColor m_clrTabShadow;
    CXTPPaintManagerColor m_clrTabDarkShadow;
    CXTPPaintManagerColor m_clrSlantedTabBorder;
    CXTPPaintManagerColor m_clrSelectedTabBorder;
    CXTPPaintManagerColor m_clrSlantLight;
    CXTPPaintManagerColor m_clrSlantLight2;
    // The selected block's outer left and top edge is also the frame's dark edge.
    CXTPPaintManagerColor m_selectedBlock[edgeCount];
    CXTPPaintManagerColor m_normalBlock[edgeCount];

    COLORREF FrameDarkEdge() const { return m_selectedBlock[edgeOuterLeftTop]; }

protected:
    // The appearance style of the paint manager, -1 before installation.
    int AppearanceStyle() const;
    // The header position of the item's manager.
    static int PositionOf(CXTPTabManagerItem* pItem);

    CXTPTabPaintManager* m_pPaintManager = nullptr;
};
