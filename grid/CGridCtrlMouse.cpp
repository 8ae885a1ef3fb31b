// CGridCtrl: the mouse: clicks, drag-selection, header clicks, divider sizing,
// the wheel and the cursor.
#include "CGridCtrl.h"

#include <algorithm>

namespace {

void ShowCursor(LPCWSTR id)
{
    ::SetCursor(::LoadCursorW(nullptr, id));
}

} // namespace

bool CGridCtrl::MovedPastDragThreshold(CPoint point) const
{
    CRect still(m_LeftClickDownPoint, m_LeftClickDownPoint);
    still.InflateRect(::GetSystemMetrics(SM_CXDRAG) / 2, ::GetSystemMetrics(SM_CYDRAG) / 2);
    return !still.PtInRect(point);
}

CPoint CGridCtrl::PointRelativeToCell(int row, int col, CPoint point)
{
    CPoint origin;
    if (!CellTopLeft(row, col, &origin))
        return CPoint(0, 0);
    return CPoint(point.x - origin.x, point.y - origin.y);
}

BOOL CGridCtrl::IsNearRowEdge(CPoint point)
{
    if (point.x >= SumFixedColumnWidths())
        return FALSE;
    const CGridCellAddress cell = CellUnderPoint(point, TRUE);
    CPoint origin;
    if (!CellTopLeft(cell, &origin))
        return FALSE;
    if (point.y - origin.y < m_nResizeCaptureRange && cell.row != 0)
        return TRUE;
    return origin.y + RowHeight(cell.row) - point.y < m_nResizeCaptureRange;
}

BOOL CGridCtrl::IsNearColumnEdge(CPoint point)
{
    if (point.y >= SumFixedRowHeights())
        return FALSE;
    const CGridCellAddress cell = CellUnderPoint(point, TRUE);
    CPoint origin;
    if (!CellTopLeft(cell, &origin))
        return FALSE;
    if (point.x - origin.x < m_nResizeCaptureRange && cell.col != 0)
        return TRUE;
    return origin.x + ColumnWidth(cell.col) - point.x < m_nResizeCaptureRange;
}

void CGridCtrl::InvertDragLine(bool vertical, int at)
{
    CRect client;
    GetClientRect(&client);
    CRect band = vertical ? CRect(client.left, at, client.right, at + 2) : CRect(at, client.top, at + 2, client.bottom);
    if (CDC* pDC = GetDC()) {
        pDC->InvertRect(&band);
        ReleaseDC(pDC);
    }
}

void CGridCtrl::ConfineCursor(const CRect& clientPart)
{
    CRect screen = clientPart;
    ClientToScreen(&screen);
    // A press that did not come from the cursor (sent by a program) must not
    // pull the cursor into the grid.
    CPoint cursor;
    if (!::GetCursorPos(&cursor) || !screen.PtInRect(cursor))
        return;
    m_bCursorConfined = ::ClipCursor(&screen);
}

void CGridCtrl::StartColumnSizing(CPoint point)
{
    m_MouseMode = kSizingColumn;
    const int last = m_nCols - 1;
    CRect shown;
    ShownCellBlock(&shown);
    if (ColumnWidth(last) < m_nResizeCaptureRange && std::abs(point.x - shown.right) < m_nResizeCaptureRange)
        m_LeftClickDownCell.col = last;
    CPoint origin;
    if (!CellTopLeft(0, m_LeftClickDownCell.col, &origin))
        return;
    const bool leftEdge = point.x - origin.x < m_nResizeCaptureRange;
    if (!m_bUnhideColumns) {
        const int offset = leftEdge ? 1 : 0;
        if (!(offset == 0 && m_LeftClickDownCell.col == last)) {
            while (m_LeftClickDownCell.col - offset >= 0 && ColumnWidth(m_LeftClickDownCell.col - offset) == 0)
                m_LeftClickDownCell.col--;
            if (m_LeftClickDownCell.col - offset < 0)
                return;
        }
    }
    InvertDragLine(false, point.x);
    if (leftEdge && (m_LeftClickDownCell.col != last || ColumnWidth(last) >= m_nResizeCaptureRange)) {
        m_LeftClickDownCell.col--;
        if (!CellTopLeft(0, m_LeftClickDownCell.col, &origin))
            return;
    }
    CRect client;
    GetClientRect(&client);
    client.left = origin.x + 1;
    client.right = client.left + client.Width() - SumFixedColumnWidths();
    ConfineCursor(client);
}

void CGridCtrl::StartRowSizing(CPoint point)
{
    m_MouseMode = kSizingRow;
    const int last = m_nRows - 1;
    CRect shown;
    ShownCellBlock(&shown);
    if (RowHeight(last) < m_nResizeCaptureRange && std::abs(point.y - shown.bottom) < m_nResizeCaptureRange)
        m_LeftClickDownCell.row = last;
    CPoint origin;
    if (!CellTopLeft(m_LeftClickDownCell, &origin))
        return;
    const bool topEdge = point.y - origin.y < m_nResizeCaptureRange;
    if (!m_bUnhideRows) {
        const int offset = topEdge ? 1 : 0;
        if (!(offset == 0 && m_LeftClickDownCell.row == last)) {
            while (m_LeftClickDownCell.row - offset >= 0 && RowHeight(m_LeftClickDownCell.row - offset) == 0)
                m_LeftClickDownCell.row--;
            if (m_LeftClickDownCell.row - offset < 0)
                return;
        }
    }
    InvertDragLine(true, point.y);
    if (topEdge && (m_LeftClickDownCell.row != last || RowHeight(last) >= m_nResizeCaptureRange)) {
        m_LeftClickDownCell.row--;
        if (!CellTopLeft(m_LeftClickDownCell.row, 0, &origin))
            return;
    }
    CRect client;
    GetClientRect(&client);
    client.top = origin.y + 1;
    client.bottom = client.top + client.Height() - SumFixedRowHeights();
    ConfineCursor(client);
}

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    const bool ctrl = (nFlags & MK_CONTROL) != 0;
    SetFocus();
    m_LeftClickDownPoint = point;
    m_bLMouseButtonDown = TRUE;
    m_LeftClickDownCell = CellUnderPoint(point, TRUE);
    if (!IsInsideGrid(m_LeftClickDownCell))
        return;
    if (!(nFlags & MK_SHIFT))
        m_SelectionStartCell = m_LeftClickDownCell;
    else if (!IsInsideGrid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;

    CloseActiveEditor();
    const CGridCellAddress down = m_LeftClickDownCell;
    CGridCellBase* cell = CellAt(down.row, down.col);
    if (cell)
        cell->HandlePress(PointRelativeToCell(down.row, down.col, point));
    CRect textRect;
    const bool inText = cell && CellBounds(down, &textRect) && cell->TextBounds(&textRect) && textRect.PtInRect(point);
    const bool fixed = down.row < m_nFixedRows || down.col < m_nFixedCols;

    if (down == m_idCurrentCell && !ctrl && inText && CanEditCell(down)) {
        m_MouseMode = kPrepareEdit;
        return;
    }
    if (IsCellInSelection(down)) {
        MoveFocusTo(down);
        if (ctrl) {
            if (m_bListMode)
                ExtendRowsTo(down, TRUE, FALSE);
            else
                ExtendCellsTo(down, TRUE, FALSE);
            return;
        }
        if (m_bAllowDragAndDrop)
            m_MouseMode = kPrepareDrag;
    } else if (m_MouseMode != kOverRowDivider && m_MouseMode != kOverColumnDivider) {
        MoveFocusTo(fixed ? CGridCellAddress() : down);
    }

    SetCapture();
    if (m_MouseMode == kMouseNone) {
        if (m_bAllowColumnResize && IsNearColumnEdge(point)) {
            ShowCursor(IDC_SIZEWE);
            m_MouseMode = kOverColumnDivider;
        } else if (m_bAllowRowResize && IsNearRowEdge(point)) {
            ShowCursor(IDC_SIZENS);
            m_MouseMode = kOverRowDivider;
        }
    }
    if (m_MouseMode == kOverColumnDivider) {
        StartColumnSizing(point);
    } else if (m_MouseMode == kOverRowDivider) {
        StartRowSizing(point);
    } else if (m_MouseMode != kPrepareDrag) {
        NotifyOwner(down.row, down.col, GVN_SELCHANGING);
        m_PrevSelectedCellMap.RemoveAll();
        if (ctrl) {
            for (POSITION pos = m_SelectedCellMap.GetStartPosition(); pos;) {
                ULONGLONG key;
                CGridCellAddress selected;
                m_SelectedCellMap.GetNextAssoc(pos, key, selected);
                m_PrevSelectedCellMap.SetAt(key, selected);
            }
        }
        if (down.row < m_nFixedRows) {
            OnColumnHeaderClick(down);
        } else if (down.col < m_nFixedCols) {
            OnRowHeaderClick(down);
        } else {
            m_MouseMode = m_bListMode ? kSelectRows : kSelectCells;
            ExtendSelectionTo(down);
            m_nTimerID = SetTimer(kAutoScrollTimer, static_cast<UINT>(m_nTimerInterval), nullptr);
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point) && m_MouseMode != kDragging)
        return;
    if (m_bLMouseButtonDown && m_MouseMode != kMouseNone && IsInsideGrid(m_LeftClickDownCell)) {
        switch (m_MouseMode) {
        case kSelectAll:
        case kSelectColumns:
        case kSelectRows:
        case kSelectCells: {
            const CGridCellAddress cell = CellUnderPoint(point, TRUE);
            if (!IsInsideGrid(cell))
                return;
            if (cell != m_idCurrentCell) {
                ExtendSelectionTo(cell);
                const bool fixed = cell.row < m_nFixedRows || cell.col < m_nFixedCols;
                if (!fixed || m_MouseMode == kSelectColumns || m_MouseMode == kSelectRows)
                    MoveFocusTo(cell);
            }
            break;
        }
        case kSizingRow:
            InvertDragLine(true, m_LastMousePoint.y);
            InvertDragLine(true, point.y);
            break;
        case kSizingColumn:
            InvertDragLine(false, m_LastMousePoint.x);
            InvertDragLine(false, point.x);
            break;
        case kPrepareEdit:
        case kPrepareDrag:
            // A hand that shakes while it clicks has not dragged.
            if (!MovedPastDragThreshold(point))
                break;
            m_MouseMode = kPrepareDrag;
            StartSelectionDrag();
            break;
        default:
            break;
        }
    } else {
        if (m_bAllowColumnResize && IsNearColumnEdge(point)) {
            if (m_MouseMode != kOverColumnDivider) {
                ShowCursor(IDC_SIZEWE);
                m_MouseMode = kOverColumnDivider;
            }
        } else if (m_bAllowRowResize && IsNearRowEdge(point)) {
            if (m_MouseMode != kOverRowDivider) {
                ShowCursor(IDC_SIZENS);
                m_MouseMode = kOverRowDivider;
            }
        } else if (m_MouseMode != kMouseNone) {
            ShowCursor(IDC_ARROW);
            m_MouseMode = kMouseNone;
        }
        if (m_MouseMode == kMouseNone && (!m_bVirtualMode || m_bTitleTips)) {
            const CGridCellAddress cell = CellUnderPoint(point, TRUE);
            if (CGridCellBase* hovered = CellAt(cell.row, cell.col)) {
                hovered->OnMouseOver();
                ShowTitleTipFor(cell, hovered);
            }
        }
    }
    m_LastMousePoint = point;
    (void)nFlags;
}

void CGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    Default();
    m_bLMouseButtonDown = FALSE;
    // Only a confinement of our own is released: the cursor may be another's.
    if (m_bCursorConfined)
        ::ClipCursor(nullptr);
    m_bCursorConfined = FALSE;
    if (GetCapture() == this) {
        ReleaseCapture();
        if (m_nTimerID)
            KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    const CGridCellAddress focus = m_idCurrentCell;
    const CGridCellAddress down = m_LeftClickDownCell;
    // A press outside the cells started nothing, so its release reports nothing.
    if (!IsInsideGrid(down)) {
        m_MouseMode = kMouseNone;
        return;
    }
    auto clickFocusCell = [&] {
        if (CGridCellBase* cell = CellAt(focus.row, focus.col))
            cell->HandleClick(PointRelativeToCell(focus.row, focus.col, point));
    };
    const bool moved = point != m_LeftClickDownPoint && point != CPoint(0, 0);
    switch (m_MouseMode) {
    case kPrepareEdit:
        BeginCellEdit(focus.row, focus.col, PointRelativeToCell(focus.row, focus.col, point), VK_LBUTTON);
        break;
    case kPrepareDrag:
        clickFocusCell();
        NotifyOwner(down.row, down.col, GVN_CLICK);
        NotifyOwner(down.row, down.col, GVN_SELCHANGING);
        ClearSelectionAndFocus();
        NotifyOwner(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
        break;
    case kSizingColumn: {
        InvertDragLine(false, m_LastMousePoint.x);
        CPoint origin;
        if (moved && CellTopLeft(down, &origin)) {
            ChangeColumnWidth(down.col, std::max(static_cast<int>(point.x - origin.x), m_bAllowColHide ? 0 : 1));
            RecalcScrollBars();
            RepaintAll();
        }
        break;
    }
    case kSizingRow: {
        InvertDragLine(true, m_LastMousePoint.y);
        CPoint origin;
        if (moved && CellTopLeft(down, &origin)) {
            ChangeRowHeight(down.row, std::max(static_cast<int>(point.y - origin.y), m_bAllowRowHide ? 0 : 1));
            RecalcScrollBars();
            RepaintAll();
        }
        break;
    }
    default:
        NotifyOwner(focus.row, focus.col, GVN_SELCHANGED);
        clickFocusCell();
        NotifyOwner(down.row, down.col, GVN_CLICK);
        break;
    }
    m_MouseMode = kMouseNone;
    ShowCursor(IDC_ARROW);
    CWnd* target = GetOwner();
    if (!target)
        target = GetParent();
    if (target && target->GetSafeHwnd())
        target->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(GetSafeHwnd()));
    (void)nFlags;
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const CGridCellAddress cell = CellUnderPoint(point, TRUE);
    if (!IsInsideGrid(cell))
        return;
    // The button-up before a double click ends any hover mode; the pointer may
    // still rest on a divider.
    int mode = m_MouseMode;
    if (mode == kMouseNone && m_bAllowColumnResize && IsNearColumnEdge(point))
        mode = kOverColumnDivider;
    else if (mode == kMouseNone && m_bAllowRowResize && IsNearRowEdge(point))
        mode = kOverRowDivider;

    if (mode == kOverColumnDivider) {
        int col = cell.col;
        CPoint origin;
        if (!CellTopLeft(0, col, &origin))
            return;
        if (point.x - origin.x < m_nResizeCaptureRange)
            col--;
        while (col >= 0 && ColumnWidth(col) == 0)
            col--;
        if (col < 0)
            return;
        FitColumnToCells(col, static_cast<UINT>(m_nAutoSizeColumnStyle), TRUE);
        RepaintAll();
    } else if (mode == kOverRowDivider) {
        int row = cell.row;
        CPoint origin;
        if (!CellTopLeft(row, 0, &origin))
            return;
        if (point.y - origin.y < m_nResizeCaptureRange)
            row--;
        while (row >= 0 && RowHeight(row) == 0)
            row--;
        if (row < 0)
            return;
        FitRowToCells(row, TRUE);
        RepaintAll();
    } else if (mode == kMouseNone) {
        const CPoint relative = PointRelativeToCell(cell.row, cell.col, point);
        CGridCellBase* target = CellAt(cell.row, cell.col);
        CRect textRect;
        const bool inText = target && CellBounds(cell, &textRect) && target->TextBounds(&textRect) && textRect.PtInRect(point);
        const bool fixed = cell.row < m_nFixedRows || cell.col < m_nFixedCols;
        if (!fixed && inText && (IsInsideGrid(m_LeftClickDownCell) || m_bListMode))
            BeginCellEdit(cell.row, cell.col, relative, VK_LBUTTON);
        if (CGridCellBase* clicked = CellAt(cell.row, cell.col))
            clicked->HandleDoubleClick(relative);
        NotifyOwner(cell.row, cell.col, GVN_DBLCLICK);
    }
    Default();
    (void)nFlags;
}

void CGridCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    Default();
    const CGridCellAddress cell = CellUnderPoint(point, TRUE);
    CloseActiveEditor();
    if (!IsInsideGrid(cell)) {
        NotifyOwner(-1, -1, GVN_RCLICK);
        return;
    }
    MoveFocusTo(-1, -1);
    MoveFocusTo(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    if (CGridCellBase* clicked = CellAt(cell.row, cell.col))
        clicked->HandleRightClick(PointRelativeToCell(cell.row, cell.col, point));
    NotifyOwner(cell.row, cell.col, GVN_RCLICK);
    (void)nFlags;
}

void CGridCtrl::OnColumnHeaderClick(CGridCellAddress cell)
{
    if (!IsInsideGrid(cell))
        return;
    if (m_bSortOnClick) {
        HCURSOR old = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        SortByColumnText(cell.col, (cell.col == m_nSortColumn && m_bAscending) ? FALSE : TRUE);
        ::SetCursor(old);
        RepaintAll();
    }
    if (m_bFixedRowSelection) {
        m_MouseMode = cell.col < m_nFixedCols ? kSelectAll : kSelectColumns;
        ExtendSelectionTo(cell);
    }
}

void CGridCtrl::OnRowHeaderClick(CGridCellAddress cell)
{
    if (m_bFixedColumnSelection) {
        m_MouseMode = cell.row < m_nFixedRows ? kSelectAll : kSelectRows;
        ExtendSelectionTo(cell);
    }
}

BOOL CGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const bool pages = m_nRowsPerWheelNotch == WHEEL_PAGESCROLL;
    const int steps = pages ? zDelta / WHEEL_DELTA
                            : static_cast<int>(zDelta) * static_cast<int>(m_nRowsPerWheelNotch) / WHEEL_DELTA;
    const WPARAM up = pages ? SB_PAGEUP : SB_LINEUP;
    const WPARAM down = pages ? SB_PAGEDOWN : SB_LINEDOWN;
    for (int i = 0; i < std::abs(steps); ++i)
        PostMessage(WM_VSCROLL, steps > 0 ? up : down, 0);
    (void)nFlags;
    (void)pt;
    return static_cast<BOOL>(Default());
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return static_cast<BOOL>(Default());
    switch (m_MouseMode) {
    case kOverRowDivider:
        ShowCursor(IDC_SIZENS);
        break;
    case kOverColumnDivider:
        ShowCursor(IDC_SIZEWE);
        break;
    case kDragging:
        break;
    default:
        if (!m_bVirtualMode) {
            const DWORD pos = ::GetMessagePos();
            CPoint point(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
            ScreenToClient(&point);
            const CGridCellAddress cell = CellUnderPoint(point, TRUE);
            if (CGridCellBase* hovered = CellAt(cell.row, cell.col))
                return hovered->ChooseCursor();
        }
        ShowCursor(IDC_ARROW);
        break;
    }
    (void)pWnd;
    (void)message;
    return TRUE;
}

void CGridCtrl::ShowTitleTipFor(const CGridCellAddress& cell, CGridCellBase* pCell)
{
    const LPCTSTR text = pCell->HoverText();
    if (!m_bTitleTips || !text || !*text || pCell->IsBeingEdited())
        return;
    CRect rect;
    if (!CellBounds(cell, &rect))
        return;
    CRect textRect = rect;
    if (pCell->HoverTextBounds(&textRect))
        m_TitleTip.ShowOverCell(textRect, text, 0, &rect, pCell->FontRecord(), m_crTTipTextClr, m_crTTipBackClr);
}
