#pragma once
// How the tabs of the tab managers that use it look and where they lie: the
// fonts, the options, one appearance set (the shape, by style number) and one
// colour set. It measures each tab, lays tabs out in one or several rows, draws
// the control and each tab's icon and text, and asks every observing manager
// to redraw when the look changes.
#include "Framework.h"
#include "CXTPTabAppearanceSet.h"
#include "CXTPTabColorSet.h"

#include <memory>
#include <vector>

class CXTPTabManager;
class CXTPTabManagerItem;

// Header position.
enum XTPTabPosition { xtpTabPositionTop = 0, xtpTabPositionLeft = 1, xtpTabPositionBottom = 2, xtpTabPositionRight = 3 };

// How tabs are laid along the header.
enum XTPTabLayoutStyle {
    xtpTabLayoutAutoSize = 0,   // one row that scrolls
    xtpTabLayoutSizeToFit = 1,  // one row shrunk to fit
    xtpTabLayoutFixed = 2,      // the appearance set's fixed length
    xtpTabLayoutCompressed = 3, // only the selected tab shows its text
    xtpTabLayoutMultiRow = 4,
    xtpTabLayoutRotated = 5,    // text across the header, every tab one row height long
};

// Client frame mode.
enum XTPTabClientFrame { xtpTabFrameBorder = 0, xtpTabFrameSingleLine = 1, xtpTabFrameNone = 2 };

class CXTPTabPaintManager : public CCmdTarget {
public:
    CXTPTabPaintManager();
    ~CXTPTabPaintManager() override;

    // Styles 0 to 9; any other number gives style 0.
    CXTPTabAppearanceSet* SetAppearance(int nStyle);
    // Types 1, 2, 4, 8, 16; any other number gives the plain set.
    CXTPTabColorSet* SelectColorSetType(int nType);
    // Takes ownership; a set of the caller's own class is welcome.
    void SetColorSet(CXTPTabColorSet* pColorSet);

    void SetNoSchemeColors(BOOL bNoSchemeColors);
    BOOL UseNoSchemeColors() const;
    void SetOwner(CWnd* pOwner);
    CWnd* GetOwner() const { return m_pOwner; }
    void SetPositionOption(int nPosition);
    int GetPositionOption() const { return m_nPosition; }
    void SetLayout(int nLayout);
    int GetLayout() const { return m_nLayout; }
    int CurrentAppearanceStyle() const { return m_nAppearanceStyle; }
    int GetColorSetType() const { return m_nColorSetType; }

    CXTPTabAppearanceSet* GetAppearanceSet() const { return m_pAppearanceSet.get(); }
    CXTPTabColorSet* GetColorSet() const { return m_pColorSet.get(); }

    // Normal, bold and the two vertical fonts from a log font.
    void BuildTabFonts(const LOGFONTW& logFont, BOOL bUseSystemFont);
    CFont& NormalFont() { return m_fntNormal; }
    CFont& BoldFont() { return m_fntBold; }
    CFont& VerticalNormalFont() { return m_fntVerticalNormal; }
    CFont& VerticalBoldFont() { return m_fntVerticalBold; }

    // The colour id of the next inserted tab: 0x1000000 + (n mod 8), n counting insertions.
    COLORREF NextItemColor() { return kFirstPaletteTabColor + COLORREF(m_nItemColorCounter++ % 8); }

    void AddObserver(CXTPTabManager* pManager);
    void RemoveObserver(CXTPTabManager* pManager);

    virtual void PaintTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual void ReduceToClientRect(CXTPTabManager* pManager, CRect& rcClient);
    virtual void LayoutTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    // Draws the tab's icon and text, or answers the length the tab needs.
    virtual int DrawTabLabel(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem, BOOL bDraw);
    virtual void ReloadMetrics();
    virtual void RedrawObservers();
    virtual void DrawTabFocus(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem);

    // Used by the appearance sets.
    void DrawTabRow(CXTPTabManager* pManager, CDC* pDC, int nRow);
    void DrawFrameAndRows(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    // Lays the tabs into rows within the header; answers the length taken.
    int ArrangeTabRows(CXTPTabManager* pManager, CDC* pDC, CRect rcHeader);
    // Answers the number of rows.
    int DistributeTabsOverRows(CXTPTabManager* pManager, int nAvailable);
    void ShrinkTabsToFit(CXTPTabManager* pManager, int nAvailable);
    void ScrollTabIntoView(CXTPTabManager* pManager, CXTPTabManagerItem* pItem);
    void DrawMiddleEllipsisText(CDC* pDC, const CString& strText, CRect rc, UINT nFormat);
    int MeasureLabelWidth(CDC* pDC, const CString& strText, UINT nFormat);
    int ClampTabLength(int nLength, int nMinimum, int nMaximum) const;

    // Options.
    BOOL m_bFrameStyle = FALSE;      // the MDI client's own frame
    BOOL m_bShowIcons = TRUE;
    BOOL m_bBoldSelected = FALSE;
    BOOL m_bBoldAll = FALSE;
    int m_nClientFrame = xtpTabFrameBorder;
    int m_nEdgeOption = 0;
    CRect m_rcClientMargin{0, 0, 0, 0};
    CRect m_rcButtonMargin{0, 0, 0, 0};
    CRect m_rcControlMargin{0, 0, 0, 0};
    BOOL m_bGradientSwap = FALSE;
    BOOL m_bFillClient = TRUE;
    CSize m_szIcon{16, 16};
    BOOL m_bOwnEllipsis = FALSE;     // the middle ellipsis instead of the system's end ellipsis
    BOOL m_bNoPrefix = TRUE;
    BOOL m_bKeepRowOrder = FALSE;
    BOOL m_bFillRows = TRUE;
    BOOL m_bShowFocus = TRUE;
    BOOL m_bHotTracking = TRUE;
    BOOL m_bSelectOnDragOver = FALSE;   // a drag over a tab selects it
    BOOL m_bUseSystemFont = TRUE;
    // Tooltips: 0 none, 1 always, 2 only for shortened tabs.
    int m_nToolTipBehaviour = 2;

private:
    // The font for the item's text, horizontal or vertical, bold or not.
    CFont* FontFor(CXTPTabManagerItem* pItem);
    BOOL IsTextVertical(CXTPTabManager* pManager) const;

    BOOL m_bNoSchemeColors = FALSE;
    CWnd* m_pOwner = nullptr;
    std::unique_ptr<CXTPTabAppearanceSet> m_pAppearanceSet;
    std::unique_ptr<CXTPTabColorSet> m_pColorSet;
    std::vector<CXTPTabManager*> m_observers;
    int m_nAppearanceStyle = 0;
    int m_nColorSetType = 1;
    int m_nPosition = xtpTabPositionTop;
    int m_nLayout = xtpTabLayoutAutoSize;
    int m_nItemColorCounter = 0;
    CFont m_fntNormal;
    CFont m_fntBold;
    CFont m_fntVerticalNormal;
    CFont m_fntVerticalBold;
};
