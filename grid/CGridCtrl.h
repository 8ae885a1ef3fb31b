#pragma once
// A general-purpose grid window: rows and columns of cells, the first of which
// may be fixed headers. It tells its owner about clicks, selection and cache
// needs through WM_NOTIFY, and in virtual mode asks the owner for every cell it
// shows instead of storing cells.
//
// The grid belongs to the user-interface thread: code on other threads reaches
// it through CUiThreadCall (RunOnUiThread).
#include "Framework.h"
#include "CGridCell.h"
#include "CGridCellBlock.h"
#include "CGridDefaultCell.h"
#include "GridNotices.h"

#include <vector>

class CGridCtrl;
using GridDisplayCallback = BOOL(CALLBACK*)(GridCellRequest* request, LPARAM userData);
using GridCompareFunc = int(CALLBACK*)(const CGridCellBase* first, const CGridCellBase* second, LPARAM data);

class CGridCtrl : public CWnd {
    DECLARE_DYNCREATE(CGridCtrl)
public:
    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL CreateGrid(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    static BOOL RegisterGridClass();

    // Notifications to the owner.
    LRESULT NotifyOwner(int row, int col, int code) const;
    LRESULT RequestCellFromOwner(GridCellRequest* request) const;
    LRESULT AnnounceCellBlock(const CGridCellBlock& block) const;

    // Structure.
    CGridDefaultCell* MatchingDefaultCell(BOOL fixedRow, BOOL fixedCol) const;
    BOOL IsInsideGrid(int row, int col) const;
    BOOL IsInsideGrid(const CGridCellAddress& cell) const { return IsInsideGrid(cell.row, cell.col); }
    BOOL IsInsideGrid(const CGridCellBlock& block) const;
    CGridCellBase* CellAt(int row, int col) const;

    // Counts and sizes.
    int RowCount() const { return m_nRows; }
    int ColumnCount() const { return m_nCols; }
    int FixedRowCount() const { return m_nFixedRows; }
    int FixedColumnCount() const { return m_nFixedCols; }
    BOOL ChangeRowTotal(int nRows);
    BOOL ChangeColumnTotal(int nCols);
    BOOL ChangeFixedRowTotal(int nFixedRows);
    BOOL ChangeFixedColumnTotal(int nFixedCols);
    int RowHeight(int row) const;
    int ColumnWidth(int col) const;
    BOOL ChangeRowHeight(int row, int height);
    BOOL ChangeColumnWidth(int col, int width);
    int SumFixedRowHeights() const;
    int SumFixedColumnWidths() const;
    int SumAllRowHeights() const { return static_cast<int>(m_nTotalHeight); }
    int SumAllColumnWidths() const { return static_cast<int>(m_nTotalWidth); }
    BOOL RemoveAllCells();
    BOOL FitColumnToCells(int col, UINT style = 0, BOOL bResetScroll = TRUE);
    BOOL FitRowToCells(int row, BOOL bResetScroll = TRUE);

    // Geometry.
    CGridCellAddress CellUnderPoint(CPoint point, BOOL bAllowFixed = FALSE);
    CGridCellAddress FirstScrolledCell(BOOL bForceRecalc = FALSE);
    CGridCellBlock ShownCellBlock(LPRECT pRect = nullptr, BOOL bForceRecalc = FALSE);
    BOOL CellTopLeft(int row, int col, LPPOINT p);
    BOOL CellTopLeft(const CGridCellAddress& c, LPPOINT p) { return CellTopLeft(c.row, c.col, p); }
    BOOL CellBounds(int row, int col, LPRECT pRect);
    BOOL CellBounds(const CGridCellAddress& c, LPRECT pRect) { return CellBounds(c.row, c.col, pRect); }
    BOOL IsCellShown(int row, int col);
    BOOL IsCellShown(const CGridCellAddress& c) { return IsCellShown(c.row, c.col); }
    BOOL MarkCellDirty(int row, int col);
    BOOL MarkCellDirty(const CGridCellAddress& c) { return MarkCellDirty(c.row, c.col); }
    void ScrollCellIntoView(int row, int col);
    void ScrollCellIntoView(const CGridCellAddress& c) { ScrollCellIntoView(c.row, c.col); }
    void RepaintAll();
    void RecalcScrollBars();
    void ToggleScrollBars(int nBar, BOOL bShow);
    int ScrollOffset(int nBar, BOOL bGetTrackPos = FALSE);
    BOOL MoveScrollOffset(int nBar, int nPos, BOOL bRedraw = TRUE);
    UINT ScrollBarState() const { return m_nBarState; }

    // Cell access and attributes.
    BOOL ApplyCellRecord(const GridCellRecord* record);
    BOOL ChangeCellText(int row, int col, LPCTSTR text);
    BOOL ChangeCellImage(int row, int col, int image);
    BOOL ChangeCellBackColour(int row, int col, COLORREF colour);
    BOOL ChangeCellTextColour(int row, int col, COLORREF colour);
    BOOL ChangeCellFont(int row, int col, const LOGFONTW* font);
    CString CellTextAt(int row, int col) const;
    LPARAM CellDataAt(int row, int col) const;
    UINT CellStateAt(int row, int col) const;
    BOOL IsCellBeingEdited(int row, int col) const;
    BOOL ChangeCellState(int row, int col, UINT state);
    BOOL IsCellInSelection(int row, int col) const;
    BOOL IsCellInSelection(const CGridCellAddress& c) const { return IsCellInSelection(c.row, c.col); }
    BOOL CanEditCell(int row, int col) const;
    BOOL CanEditCell(const CGridCellAddress& c) const { return CanEditCell(c.row, c.col); }
    void MarkModified(BOOL bModified = TRUE, int row = -1, int col = -1);
    BOOL IsGridModified() const { return m_bModified; }
    BOOL SortByColumnText(int col, BOOL bAscending = TRUE, LPARAM data = 0);
    BOOL SortWithCompare(GridCompareFunc compare, int col, BOOL bAscending, LPARAM data = 0);
    void MarkSortColumn(int col);
    int SortColumn() const { return m_nSortColumn; }
    BOOL SortAscending() const { return m_bAscending; }
    void SetCompareFunction(GridCompareFunc compare) { m_pfnCompare = compare; }
    static int CALLBACK CompareCellTexts(const CGridCellBase* first, const CGridCellBase* second, LPARAM data);

    // Focus and selection.
    CGridCellAddress MoveFocusTo(int row, int col);
    CGridCellAddress MoveFocusTo(const CGridCellAddress& c) { return MoveFocusTo(c.row, c.col); }
    CGridCellAddress FocusCell() const { return m_idCurrentCell; }
    void SelectBlock(int minRow, int minCol, int maxRow, int maxCol, BOOL bForceRepaint = FALSE, BOOL bSelect = TRUE);
    void SelectBlock(const CGridCellBlock& b, BOOL bForceRepaint = FALSE, BOOL bSelect = TRUE)
    {
        SelectBlock(b.minRow, b.minCol, b.maxRow, b.maxCol, bForceRepaint, bSelect);
    }
    void SelectEverything();
    void ExtendColumnsTo(CGridCellAddress cell, BOOL bForceRedraw = FALSE, BOOL bSelect = TRUE);
    void ExtendRowsTo(CGridCellAddress cell, BOOL bForceRedraw = FALSE, BOOL bSelect = TRUE);
    void ExtendCellsTo(CGridCellAddress cell, BOOL bForceRedraw = FALSE, BOOL bSelect = TRUE);
    void ExtendSelectionTo(CGridCellAddress cell);
    CGridCellBlock SelectionBounds() const;
    void ClearSelectionAndFocus();
    INT_PTR SelectedCount() const { return m_SelectedCellMap.GetCount(); }
    void SetSelectionStart(const CGridCellAddress& cell) { m_SelectionStartCell = cell; }
    void SetMouseMode(int mode) { m_MouseMode = mode; }

    // Painting.
    virtual void OnDraw(CDC* pDC);
    void PaintBackground(CDC* pDC);
    BOOL RepaintCellNow(int row, int col, CDC* pDC = nullptr);
    BOOL RepaintCellNow(const CGridCellAddress& c, CDC* pDC = nullptr) { return RepaintCellNow(c.row, c.col, pDC); }

    // Options.
    void SetVirtualMode(BOOL bVirtual);
    BOOL IsVirtualMode() const { return m_bVirtualMode; }
    void SetDisplayCallback(GridDisplayCallback callback, LPARAM userData)
    {
        m_pfnCallback = callback;
        m_lParam = userData;
    }
    void SetImageList(CImageList* pList) { m_pImageList = pList; }
    CImageList* ImageList() const { return m_pImageList; }
    void SetGridLines(int mode) { m_nGridLines = mode; }
    int GridLines() const { return m_nGridLines; }
    void SetGridLineColour(COLORREF colour) { m_crGridLineColour = colour; }
    COLORREF GridLineColour() const { return m_crGridLineColour; }
    void SetGridBackColour(COLORREF colour) { m_crGridBkColour = colour; }
    COLORREF GridBackColour() const { return m_crGridBkColour; }
    void SetEditable(BOOL b) { m_bEditable = b; }
    void SetListMode(BOOL b) { m_bListMode = b; }
    BOOL IsListMode() const { return m_bListMode; }
    void SetSingleRowSelection(BOOL b) { m_bSingleRowSelection = b; }
    void SetSingleColSelection(BOOL b) { m_bSingleColSelection = b; }
    void SetAllowDraw(BOOL b) { m_bAllowDraw = b; }
    BOOL IsDrawAllowed() const { return m_bAllowDraw; }
    void EnableSelection(BOOL b) { m_bEnableSelection = b; }
    BOOL IsSelectionEnabled() const { return m_bEnableSelection; }
    void SetDoubleBuffering(BOOL b) { m_bDoubleBuffer = b; }
    void SetTrackFocusCell(BOOL b) { m_bTrackFocusCell = b; }
    BOOL TracksFocusCell() const { return m_bTrackFocusCell; }
    void SetFrameFocusCell(BOOL b) { m_bFrameFocus = b; }
    BOOL FramesFocusCell() const { return m_bFrameFocus; }
    void SetAutoSizeStyle(int style) { m_nAutoSizeColumnStyle = style; }
    UINT WheelScrollLines() const { return m_nRowsPerWheelNotch; }
    void SetCellClass(CRuntimeClass* pClass) { m_pRtcDefault = pClass; }

protected:
    virtual CGridCellBase* MakeCell(int row, int col);
    virtual void DisposeCell(int row, int col);
    // Ends an in-place edit; the grid has none until cell editing is added.
    virtual void CloseActiveEditor() {}

    void PreSubclassWindow() override;
    void CompleteWindowSetup();
    void PrepareDefaultCells();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetFontMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFontMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    using CellRow = std::vector<CGridCellBase*>;
    using SelectionMap = CMap<ULONGLONG, ULONGLONG, CGridCellAddress, const CGridCellAddress&>;

    // The selection key: the whole row and column, so large grids never collide.
    static ULONGLONG SelectionKey(int row, int col)
    {
        return (static_cast<ULONGLONG>(static_cast<UINT>(col)) << 32) | static_cast<UINT>(row);
    }
    CGridCellBase* StoredCell(int row, int col) const;
    static void RestyleFixedCell(CGridCellBase* cell, bool becomesFixed, bool fixedOtherWay, UINT lineBit);
    CGridCellBase* RequestedCell(int row, int col) const;
    void ScrollOneAxis(bool vertical, UINT nSBCode);
    void PaintCellPass(CDC* pDC, const CRect& clip, int firstRow, int lastRow, int top, int firstCol,
                       int lastCol, int left, bool clipRows, bool clipCols);
    void RepaintOrInvalidate(int row, int col, CDC* pDC, bool visible);
    bool SortRange(GridCompareFunc compare, int col, BOOL bAscending, LPARAM data, int low, int high);
    void SwapRows(int first, int second);
    void StoreRowHeight(int row, UINT height);
    void StoreColumnWidth(int col, UINT width);
    // The top of row (or the left of column) in scrolled pixels, from the anchor.
    void MoveAnchor(bool vertical, int target);

    COLORREF m_crGridBkColour;
    COLORREF m_crGridLineColour = RGB(0xC0, 0xC0, 0xC0);
    COLORREF m_crWindowText;
    COLORREF m_crWindowColour;
    COLORREF m_cr3DFace;
    COLORREF m_crShadow;
    COLORREF m_crTTipBackClr = CLR_DEFAULT_CELL;
    COLORREF m_crTTipTextClr = CLR_DEFAULT_CELL;
    BOOL m_bVirtualMode = FALSE;
    LPARAM m_lParam = 0;
    GridDisplayCallback m_pfnCallback = nullptr;
    int m_nGridLines = 3;
    BOOL m_bEditable = TRUE;
    BOOL m_bModified = FALSE;
    BOOL m_bAllowDragAndDrop = FALSE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleRowSelection = FALSE;
    BOOL m_bSingleColSelection = FALSE;
    BOOL m_bAllowDraw = TRUE;
    BOOL m_bEnableSelection = TRUE;
    BOOL m_bFixedColumnSelection = TRUE;
    BOOL m_bFixedRowSelection = TRUE;
    BOOL m_bSortOnClick = FALSE;
    BOOL m_bWantsTab = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bTitleTips = TRUE;
    UINT m_nBarState = 0;
    BOOL m_bTrackFocusCell = TRUE;
    BOOL m_bFrameFocus = TRUE;
    int m_nAutoSizeColumnStyle = 3;
    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    CUIntArray m_arRowHeights;
    CUIntArray m_arColWidths;
    int m_nVScrollMax = 0;
    int m_nHScrollMax = 0;
    CRuntimeClass* m_pRtcDefault;
    CGridDefaultCell m_cellDefault;
    CGridDefaultCell m_cellFixedColDef;
    CGridDefaultCell m_cellFixedRowDef;
    CGridDefaultCell m_cellFixedRowColDef;
    CImageList* m_pImageList = nullptr;
    std::vector<CellRow*> m_RowData;
    int m_MouseMode = 0;
    CGridCellAddress m_SelectionStartCell;
    CGridCellAddress m_idCurrentCell;
    CGridCellAddress m_idTopLeftCell;
    SelectionMap m_SelectedCellMap;
    SelectionMap m_PrevSelectedCellMap;
    UINT m_nRowsPerWheelNotch = 3;
    BOOL m_bAscending = TRUE;
    int m_nSortColumn = -1;
    GridCompareFunc m_pfnCompare = nullptr;

    // Running totals, so growing a grid row by row stays linear.
    ULONGLONG m_nTotalHeight = 0;
    ULONGLONG m_nTotalWidth = 0;
    // A row (column) whose scrolled top (left) is known; the top-left cell is
    // found by walking from here instead of from the first scrolled row.
    int m_nAnchorRow = -1;
    LONGLONG m_nAnchorRowPos = 0;
    int m_nAnchorCol = -1;
    LONGLONG m_nAnchorColPos = 0;
};
