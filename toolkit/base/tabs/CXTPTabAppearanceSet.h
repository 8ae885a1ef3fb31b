#pragma once
// The shape of the tabs of one appearance style: how deep the header is, where
// the client area lies, how long and how high a tab is, and how each tab, the
// header and the client frame are drawn. Positions: 0 top, 1 left, 2 bottom,
// 3 right; shapes are built for the top and turned for the others.
#include "Framework.h"

class CXTPTabManager;
class CXTPTabManagerItem;
class CXTPTabPaintManager;
class CXTPTabColorSet;
class TabShapeFrame;

class CXTPTabAppearanceSet {
public:
    CXTPTabAppearanceSet() = default;
    virtual ~CXTPTabAppearanceSet() = default;
    CXTPTabAppearanceSet(const CXTPTabAppearanceSet&) = delete;
    CXTPTabAppearanceSet& operator=(const CXTPTabAppearanceSet&) = delete;

    virtual void RefreshMetrics();
    virtual CRect GetHeaderRect(CRect rcControl, CXTPTabManager* pManager);
    virtual CRect GetClientRect(CRect rcControl, CXTPTabManager* pManager);
    virtual CRect GetHeaderMargin();
    virtual CRect GetClientMargin();
    virtual int GetItemLength(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual int GetRowHeight(CXTPTabManager* pManager);
    virtual void DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual CRect DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    // Answers the length the tabs take along the header.
    virtual int LayoutItems(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual void AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient);
    virtual void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem);
    // The MDI client's frame: code 0 the border, 1 the non-client rectangle,
    // 2 the right edge, 3 the bottom edge.
    virtual void DrawClientFrame(CDC* pDC, CRect& rc, int nCode);
    virtual int GetColorSetMask() const { return 31; }
    virtual int GetDefaultColorSet() const { return 1; }

    void SetPaintManager(CXTPTabPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }
    int GetStyle() const { return m_nStyle; }

    // A rectangle given for the top position, turned to another position
    // inside the outer rectangle (used for margins: top is the header side).
    static CRect TurnMargins(const CRect& rcMargin, int nPosition);
    static BOOL IsVertical(int nPosition) { return nPosition == 1 || nPosition == 3; }

    CRect m_rcHeaderMargin{0, 0, 0, 0};
    int m_nRowOverlap = -2;
    int m_nRowHeight = 0;
    // Tabs of a row are drawn from its first up to the selected one, then from its last back.
    BOOL m_bOverlapTowardSelected = FALSE;

protected:
    CXTPTabColorSet* ColorSet() const;
    int Position(CXTPTabManager* pManager) const;
    // The common pattern of the styles that frame the client area: the header
    // filled, then the client frame per the client frame mode, in the given colours.
    CRect DrawFramedHeader(CXTPTabManager* pManager, CDC* pDC, CRect rcControl, COLORREF clrTopLeft,
                           COLORREF clrBottomRight);
    // A line on one side (a header position) of a rectangle; nothing for the colour -1.
    static void DrawSide(CDC* pDC, const CRect& rc, int nSide, COLORREF clr);
    // Fills the polygon (tab coordinates) through a clip region with the colour
    // set's tab fill; answers the colour used.
    COLORREF FillTabPolygon(CDC* pDC, const TabShapeFrame& frame, const POINT* pPoints, int nCount,
                            CXTPTabManagerItem* pItem);

    CXTPTabPaintManager* m_pPaintManager = nullptr;
    int m_nStyle = 0;
};
