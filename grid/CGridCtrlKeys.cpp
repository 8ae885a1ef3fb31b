// CGridCtrl: keyboard, the editor's end notice and the auto-scroll timer.
#include "CGridCtrl.h"

#include <algorithm>

namespace {

bool KeyHeld(int key)
{
    return ::GetKeyState(key) < 0;
}

} // namespace

UINT CGridCtrl::OnGetDlgCode()
{
    if (m_bWantsTab && !KeyHeld(VK_CONTROL))
        return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Keys go to the focus window, not to the tip, which cannot hide itself then.
    m_TitleTip.HideTip();
    if (!IsInsideGrid(m_idCurrentCell)) {
        Default();
        return;
    }
    const bool ctrl = KeyHeld(VK_CONTROL);
    const bool shift = KeyHeld(VK_SHIFT);
    if (ctrl) {
        switch (nChar) {
        case VK_INSERT:
        case 'C':
            OnEditCopy();
            break;
        case 'A':
            OnEditSelectAll();
            break;
        case 'V':
            OnEditPaste();
            break;
        case 'X':
            OnEditCut();
            break;
        default:
            break;
        }
    }
    if (shift && nChar == VK_INSERT) {
        OnEditPaste();
        Default();
        return;
    }

    const CGridCellAddress focus = m_idCurrentCell;
    CGridCellAddress next = focus;
    const bool tab = nChar == VK_TAB;
    const bool forward = nChar == VK_RIGHT || (tab && !shift);
    const bool backward = nChar == VK_LEFT || (tab && shift);
    bool wrapped = false;
    bool scrolledH = false;
    bool scrolledV = false;
    auto rowShown = [&](int row) { return m_arRowHeights[row] > 0; };
    auto colShown = [&](int col) { return m_arColWidths[col] > 0; };
    // The nearest row with a height from 'from' in 'step' direction, or -1.
    auto shownRow = [&](int from, int step) {
        for (int r = from; r >= m_nFixedRows && r < m_nRows; r += step)
            if (rowShown(r))
                return r;
        return -1;
    };

    if (forward) {
        next.col++;
        if (tab) {
            if (next.col >= m_nCols && next.row < m_nRows - 1) {
                if (const int row = shownRow(next.row + 1, 1); row >= 0) {
                    next = CGridCellAddress(row, m_nFixedCols);
                    wrapped = true;
                }
            }
            if (!wrapped)
                Default();
        }
        while (next.col < m_nCols && !colShown(next.col))
            next.col++;
        if (next.col >= m_nCols)
            next = wrapped ? focus : CGridCellAddress(next.row, focus.col);
    } else if (backward) {
        next.col--;
        if (tab) {
            if (focus.col == m_nFixedCols && focus.row > m_nFixedRows) {
                if (const int row = shownRow(focus.row - 1, -1); row >= 0) {
                    next = CGridCellAddress(row, m_nCols - 1);
                    wrapped = true;
                }
            }
            if (!wrapped)
                Default();
        }
        while (next.col >= m_nFixedCols && !colShown(next.col))
            next.col--;
        if (next.col < m_nFixedCols)
            next = wrapped ? focus : CGridCellAddress(next.row, focus.col);
    } else {
        switch (nChar) {
        case VK_UP:
        case VK_DOWN:
            if (const int row = shownRow(next.row + (nChar == VK_UP ? -1 : 1), nChar == VK_UP ? -1 : 1); row >= 0)
                next.row = row;
            break;
        case VK_PRIOR:
        case VK_NEXT: {
            const int oldTop = FirstScrolledCell().row;
            SendMessage(WM_VSCROLL, nChar == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN, 0);
            scrolledV = true;
            const int newTop = FirstScrolledCell().row;
            if (newTop == oldTop)
                next.row = nChar == VK_PRIOR ? m_nFixedRows : m_nRows - 1;
            else
                next.row = std::clamp(next.row + newTop - oldTop, m_nFixedRows, m_nRows - 1);
            break;
        }
        case VK_HOME:
            if (ctrl) {
                SendMessage(WM_VSCROLL, SB_TOP, 0);
                scrolledV = true;
                next.row = m_nFixedRows;
            }
            SendMessage(WM_HSCROLL, SB_LEFT, 0);
            scrolledH = true;
            next.col = m_nFixedCols;
            while (next.col < m_nCols - 1 && !colShown(next.col))
                next.col++;
            while (next.row < m_nRows - 1 && !rowShown(next.row))
                next.row++;
            break;
        case VK_END:
            if (ctrl) {
                SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
                scrolledV = true;
                next.row = m_nRows - 1;
            }
            SendMessage(WM_HSCROLL, SB_RIGHT, 0);
            scrolledH = true;
            next.col = m_nCols - 1;
            while (next.col > m_nFixedCols && !colShown(next.col))
                next.col--;
            while (next.row > m_nFixedRows && !rowShown(next.row))
                next.row--;
            break;
        case VK_DELETE:
            EmptySelectedCells();
            break;
        case VK_F2:
            BeginCellEdit(focus.row, focus.col, CPoint(-1, -1), VK_LBUTTON);
            break;
        default:
            Default();
            return;
        }
    }

    auto endScrolling = [&] {
        if (scrolledH)
            SendMessage(WM_HSCROLL, SB_ENDSCROLL, 0);
        if (scrolledV)
            SendMessage(WM_VSCROLL, SB_ENDSCROLL, 0);
    };
    if (next == focus) {
        endScrolling();
        return;
    }
    if (m_MouseMode == kMouseNone) {
        m_PrevSelectedCellMap.RemoveAll();
        m_MouseMode = m_bListMode ? kSelectRows : kSelectCells;
        if (!shift || tab)
            m_SelectionStartCell = next;
        NotifyOwner(next.row, next.col, GVN_SELCHANGING);
        ExtendSelectionTo(next);
        NotifyOwner(next.row, next.col, GVN_SELCHANGED);
        m_MouseMode = kMouseNone;
    }
    MoveFocusTo(next);
    if (!IsCellShown(next)) {
        if (tab && wrapped) {
            SendMessage(WM_VSCROLL, backward ? SB_LINEUP : SB_LINEDOWN, 0);
            MoveScrollOffset(SB_HORZ, backward ? m_nHScrollMax : 0);
            scrolledV = scrolledH = true;
        } else if (backward || forward) {
            SendMessage(WM_HSCROLL, backward ? SB_LINELEFT : SB_LINERIGHT, 0);
            scrolledH = true;
        } else if (nChar == VK_UP || nChar == VK_DOWN) {
            SendMessage(WM_VSCROLL, nChar == VK_UP ? SB_LINEUP : SB_LINEDOWN, 0);
            scrolledV = true;
        }
        ScrollCellIntoView(next);
        RepaintAll();
    }
    ScrollCellIntoView(next);
    endScrolling();
    (void)nRepCnt;
    (void)nFlags;
}

void CGridCtrl::OnChar(UINT nChar, UINT, UINT)
{
    if (!KeyHeld(VK_CONTROL) && m_MouseMode == kMouseNone && nChar != VK_ESCAPE && !(m_bWantsTab && nChar == VK_TAB))
        BeginCellEdit(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    Default();
}

LRESULT CGridCtrl::OnImeChar(WPARAM wParam, LPARAM)
{
    const UINT nChar = static_cast<UINT>(wParam);
    if (!KeyHeld(VK_CONTROL) && m_MouseMode == kMouseNone && nChar != VK_ESCAPE)
        BeginCellEdit(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    return 0;
}

void CGridCtrl::HandleEditorEnd(NMHDR* pHeader, LRESULT* pResult)
{
    if (pResult)
        *pResult = 0;
    if (!GetSafeHwnd() || !pHeader)
        return;
    const GridCellRecord& item = reinterpret_cast<GridCellRequest*>(pHeader)->item;
    FinishCellEdit(item.row, item.col, item.strText);
    const UINT key = static_cast<UINT>(item.lParam);
    if (key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN)) {
        OnKeyDown(key, 0, 0);
        // The next editor starts as after a Tab, its text selected: an editor
        // takes its first key as a character, and the page and arrow keys share
        // their codes with the characters ! " # $ % & ' (.
        BeginCellEdit(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_TAB);
    }
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd == this)
        return;
    if (m_nTimerID) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    if (m_MouseMode == kDragging)
        m_MouseMode = kMouseNone;
}

void CGridCtrl::ExtendTowards(CPoint point)
{
    ExtendSelectionTo(CellUnderPoint(point, TRUE));
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoScrollTimer) {
        Default();
        return;
    }
    CPoint pt;
    if (!::GetCursorPos(&pt))
        return;
    ScreenToClient(&pt);
    CRect client;
    GetClientRect(&client);
    const int fixedHeight = SumFixedRowHeights();
    const int fixedWidth = SumFixedColumnWidths();
    const int x = std::clamp(pt.x, client.left, client.right);
    const int y = std::clamp(pt.y, client.top, client.bottom);
    if (pt.y > client.bottom) {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        ExtendTowards(CPoint(x, client.bottom));
    } else if (pt.y < fixedHeight) {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        ExtendTowards(CPoint(x, fixedHeight + 1));
    }
    if (pt.x > client.right) {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        ExtendTowards(CPoint(client.right, y));
    } else if (pt.x < fixedWidth) {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        ExtendTowards(CPoint(fixedWidth + 1, y));
    }
}
