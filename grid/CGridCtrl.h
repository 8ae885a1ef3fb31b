#pragma once
// A general-purpose grid window: rows and columns of cells, the first of which
// may be fixed headers. It tells its owner about clicks, selection and cache
// needs through WM_NOTIFY, and in virtual mode asks the owner for every cell it
// shows instead of storing cells.
//
// The grid belongs to the user-interface thread that created it: it keeps no
// locks, and its shared display-request cell serves that thread alone. Code on
// other threads reaches it through CUiThreadCall (RunOnUiThread); debug builds
// assert this at the entry points that change the grid.
#include "Framework.h"
#include "COleDataObject.h"
#include "COleDataSource.h"
#include "CGridCell.h"
#include "CGridCellBlock.h"
#include "CGridDefaultCell.h"
#include "CGridDropReceiver.h"
#include "CGridFontCache.h"
#include "CGridHoverTip.h"
#include "GridNotices.h"

#include <string>
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
    // The end of an edit: a GridCellRequest whose item holds the row, the
    // column and the edited text (its first members read as a GridCellNotice).
    LRESULT NotifyEditEnd(int row, int col, LPCTSTR text) const;

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
    CGridCellAddress SelectionStart() const { return m_SelectionStartCell; }
    void SetMouseMode(int mode) { m_MouseMode = mode; }
    int MouseMode() const { return m_MouseMode; }

    // Mouse helpers.
    CPoint PointRelativeToCell(int row, int col, CPoint point);
    BOOL IsNearRowEdge(CPoint point);
    BOOL IsNearColumnEdge(CPoint point);

    // Clipboard and drag source.
    virtual void EmptySelectedCells();
    // The selection as CF_UNICODETEXT and CF_TEXT; the caller releases it or
    // hands it to SetClipboard.
    virtual COleDataSource* MakeSelectionDataSource();
    // Pastes the offered text (Unicode when offered, else ANSI) from the start
    // cell on. TRUE only when every value of it was stored.
    virtual BOOL PasteIntoCells(CGridCellAddress start, COleDataObject* data, BOOL bSelect);
    virtual void StartSelectionDrag();
    // Drop target: the grid's drop receiver calls these with client points.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    CGridDropReceiver& DropReceiver() { return m_DropTarget; }
    CGridCellAddress LastDragOverCell() const { return m_LastDragOverCell; }
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    // Stores a text as if the user had typed it: the owner may refuse it.
    // TRUE when the cell holds the text afterwards.
    BOOL StoreTextAsEdit(int row, int col, LPCTSTR text);

    // Header clicks.
    virtual void OnRowHeaderClick(CGridCellAddress cell);
    virtual void OnColumnHeaderClick(CGridCellAddress cell);

    // The in-place editor's control id.
    static constexpr UINT kEditorId = 8;
    // The auto-scroll timer that a left button press starts.
    static constexpr UINT_PTR kAutoScrollTimer = 0x201;
    // What a mouse gesture is doing (the mouse mode).
    enum MouseMode : int {
        kMouseNone = 0,
        kSelectAll = 1,
        kSelectColumns = 2,
        kSelectRows = 3,
        kSelectCells = 4,
        kOverRowDivider = 6,
        kSizingRow = 7,
        kOverColumnDivider = 8,
        kSizingColumn = 9,
        kPrepareEdit = 10,
        kPrepareDrag = 11,
        kDragging = 12,
    };

    // Editing: BeginCellEdit asks the owner and opens the cell's in-place
    // editor; the editor's end notice comes back through FinishCellEdit.
    virtual void BeginCellEdit(int row, int col, CPoint point, UINT nChar);
    virtual void FinishCellEdit(int row, int col, LPCTSTR text);
    virtual BOOL AcceptEditedText(int row, int col, LPCTSTR text);
    virtual void CloseActiveEditor();

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
    void SetDragAndDrop(BOOL b) { m_bAllowDragAndDrop = b; }
    void SetSortOnClick(BOOL b) { m_bSortOnClick = b; }
    void SetFixedColumnSelection(BOOL b) { m_bFixedColumnSelection = b; }
    void SetFixedRowSelection(BOOL b) { m_bFixedRowSelection = b; }
    void SetWantsTab(BOOL b) { m_bWantsTab = b; }
    void SetColumnResize(BOOL b) { m_bAllowColumnResize = b; }
    void SetRowResize(BOOL b) { m_bAllowRowResize = b; }
    void SetColumnHiding(BOOL b) { m_bAllowColHide = b; }
    void SetRowHiding(BOOL b) { m_bAllowRowHide = b; }
    // Off: a divider drag steps past hidden columns (rows) instead of grabbing them.
    void SetUnhideColumns(BOOL b) { m_bUnhideColumns = b; }
    void SetUnhideRows(BOOL b) { m_bUnhideRows = b; }
    void SetWheelScrollLines(UINT lines) { m_nRowsPerWheelNotch = lines; }
    void SetTitleTips(BOOL b) { m_bTitleTips = b; }
    CGridHoverTip& TitleTip() { return m_TitleTip; }
    UINT WheelScrollLines() const { return m_nRowsPerWheelNotch; }
    void SetCellClass(CRuntimeClass* pClass) { m_pRtcDefault = pClass; }
    // The GDI font of a cell's own font, shared by every cell that describes it alike.
    CFont* SharedFont(const LOGFONTW& font) { return m_fontCache.FontFor(font); }
    size_t SharedFontCount() const { return m_fontCache.FontCount(); }

protected:
    virtual CGridCellBase* MakeCell(int row, int col);
    virtual void DisposeCell(int row, int col);

    void PreSubclassWindow() override;
    void CompleteWindowSetup();
    void PrepareDefaultCells();

    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSysColorChange();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void HandleEditorEnd(NMHDR* pHeader, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnEditCopyCommand() { OnEditCopy(); }
    afx_msg void OnEditCutCommand() { OnEditCut(); }
    afx_msg void OnEditPasteCommand() { OnEditPaste(); }
    afx_msg void OnEditSelectAllCommand() { OnEditSelectAll(); }
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
    void RepaintScrollBars(int nBar);
    // Scrolls the painted pixels of 'scrolled' by the distance the top-left
    // cell moved since its scrolled start was 'before'.
    void ShiftScrolledArea(bool vertical, LONGLONG before, const CRect& scrolled);
    // Debug builds: the caller is on the thread that owns the grid's window.
    void AssertUiThread() const;
    void StartColumnSizing(CPoint point);
    void StartRowSizing(CPoint point);
    void InvertDragLine(bool vertical, int at);
    void ConfineCursor(const CRect& clientPart);
    void ExtendTowards(CPoint point);
    // The pointer has left the system's drag rectangle around the press.
    bool MovedPastDragThreshold(CPoint point) const;
    // Shows the title tip over a hovered cell whose text does not fit.
    void ShowTitleTipFor(const CGridCellAddress& cell, CGridCellBase* pCell);
    bool CommitEditedText(int row, int col, LPCTSTR text);
    // The selection as text with TABs and CR LFs; false when nothing is selected.
    bool SelectionText(std::wstring& text);

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
    // The whole client area is invalid and waits for its paint.
    BOOL m_bClientInvalid = FALSE;
    // The scroll bars (bits as in the bar state) invalidated and not yet drawn.
    UINT m_nBarsInvalid = 0;
    BOOL m_bUnhideColumns = TRUE;
    BOOL m_bUnhideRows = TRUE;
    BOOL m_bAllowColHide = TRUE;
    BOOL m_bAllowRowHide = TRUE;
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
    CGridFontCache m_fontCache;
    std::vector<CellRow*> m_RowData;
    int m_MouseMode = 0;
    BOOL m_bLMouseButtonDown = FALSE;
    BOOL m_bCursorConfined = FALSE;
    CPoint m_LeftClickDownPoint;
    CPoint m_LastMousePoint;
    CGridCellAddress m_LeftClickDownCell;
    CGridCellAddress m_SelectionStartCell;
    CGridCellAddress m_idCurrentCell;
    CGridCellAddress m_idTopLeftCell;
    UINT_PTR m_nTimerID = 0;
    int m_nTimerInterval = 25;
    int m_nResizeCaptureRange = 3;
    BOOL m_bAllowColumnResize = TRUE;
    BOOL m_bAllowRowResize = TRUE;
    SelectionMap m_SelectedCellMap;
    SelectionMap m_PrevSelectedCellMap;
    UINT m_nRowsPerWheelNotch = 3;
    BOOL m_bAscending = TRUE;
    int m_nSortColumn = -1;
    GridCompareFunc m_pfnCompare = nullptr;
    CGridHoverTip m_TitleTip;
    CGridCellAddress m_LastDragOverCell;
    CGridDropReceiver m_DropTarget;

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
