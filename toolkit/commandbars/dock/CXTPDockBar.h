#pragma once
// One of the frame's four dock bars: a child window along one edge that keeps
// its docked bars in rows, takes its share of the frame in the layout
// request, places every bar of its rows (wrapping a row that is too long) and
// inserts a dropped bar into the row under the drop point. The row layout
// lives in CXTPDockBarLayout.cpp, painting and the right click in
// CXTPDockBarPaint.cpp.
#include "Framework.h"
#include "CArray.h"
#include "CommandBarDefs.h"
#include "CXTPCommandBars.h"

class CXTPToolBar;

// The bar flags the dock bars and the drag obey (a command bar's flags word).
enum XTPBarFlags {
    xtpFlagAlignTop = 0x01,
    xtpFlagAlignBottom = 0x02,
    xtpFlagAlignLeft = 0x04,
    xtpFlagAlignRight = 0x08,
    xtpFlagAlignAny = 0x0F,
    xtpFlagFloating = 0x10,
    xtpFlagHideWrap = 0x20,            // may hide what does not fit
    xtpFlagStretched = 0x40,           // alone in its row, stretched over it
    xtpFlagStretchedShared = 0x100000  // stretched over the gap to its neighbours
};

// One visible bar of a row while the row is laid out.
struct DockRowEntry {
    CXTPToolBar* pBar = nullptr;
    CRect rcWork;      // where the bar goes
    CRect rcStart;     // where it wanted to be
    int nIndex = 0;    // its index in the row's list
    int nMinLength = 0;
    int nTotalMinLength = 0;   // the minimal lengths of the entries before it
};

class CXTPDockBar : public CWnd {
    DECLARE_DYNAMIC(CXTPDockBar)
public:
    explicit CXTPDockBar(CXTPCommandBars* pCommandBars);
    ~CXTPDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Docks the bar at the screen rectangle (its centre picks the row), or
    // into a new last row without one.
    void DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect = nullptr);
    // Takes the bar out; nIndexKeep is an entry of it that stays (-1: none).
    int RemoveCommandBar(CXTPCommandBar* pBar, int nIndexKeep = -1);
    int FindBar(CXTPCommandBar* pBar, int nIndexExclude = -1) const;
    // The visible bars of the row holding list index nIndex, in order along the row.
    void GetRowBars(int nIndex, CXTPCommandBarArray& arrBars) const;
    // 0 top, 1 bottom, 2 left, 3 right.
    int GetPosition() const;
    BOOL IsHorizontal() const { return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }
    DWORD GetDockStyle() const { return m_dwStyle; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    // The rows: bars separated by null entries, beginning with one.
    const CXTPCommandBarArray& GetBars() const { return m_arrBars; }

    // The size the rows need along nLength; places the bars when the layout
    // carries a deferred-position batch.
    CSize CalcDockingLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pLayout);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Where a bar dropped at the point goes; answers its list index.
    int Insert(CXTPCommandBar* pBar, CRect rcBar, CPoint pt);
    // Gives every own-row bar a row of its own.
    void AdjustStretchBars();
    // Lays out one row, moving bars that do not fit into further rows;
    // answers the thickness of all of them.
    int AdjustRowWrap(CXTPCommandBarArray& arrRow, int x, int y, int nLength, BOOL bHorz, AFX_SIZEPARENTPARAMS* pLayout);
    // Lays out one row; 0 when it must be split, with the list index of the
    // bar to put aside in nRemove.
    int AdjustRow(CXTPCommandBarArray& arrRow, int x, int y, int nLength, BOOL bHorz, AFX_SIZEPARENTPARAMS* pLayout,
                  int& nRemove);
    DWORD GetBarMode(BOOL bHorz, CXTPToolBar* pBar) const;

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwStyle = 0;
    CXTPCommandBarArray m_arrBars;
    CXTPCommandBars* m_pCommandBars = nullptr;
};
