#include "CGridCellEditor.h"

#include "CClientDC.h"
#include "CFont.h"
#include "GridNotices.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGridCellEditor, CEdit)

BEGIN_MESSAGE_MAP(CGridCellEditor, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CGridCellEditor::CGridCellEditor(CWnd* pParent, const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                                 const CString& initialText, UINT firstKey)
    : m_nRow(nRow)
    , m_nColumn(nColumn)
    , m_sInitText(initialText)
    , m_bExitOnArrows(firstKey != VK_LBUTTON)
    , m_Rect(rect)
{
    if (!Create(dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, pParent, nID))
        return;
    SetFont(pParent->GetFont());
    SetWindowText(initialText);
    SetFocus();
    const int end = GetWindowTextLength();
    if (firstKey == VK_LBUTTON || firstKey == VK_RETURN) {
        SetSel(end, end);
    } else if (firstKey == VK_BACK) {
        SetSel(end, end);
        PostMessage(WM_CHAR, VK_BACK);
    } else if (firstKey == VK_TAB || firstKey == VK_SPACE) {
        SetSel(0, -1);
    } else {
        // The typed character replaces the whole text.
        SetSel(0, -1);
        PostMessage(firstKey > 127 ? WM_IME_CHAR : WM_CHAR, firstKey);
    }
    // A window destroyed meanwhile (it lost the focus at once) is the caller's to delete.
    m_bAutoDelete = GetSafeHwnd() != nullptr;
}

void CGridCellEditor::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CGridCellEditor::PreTranslateMessage(MSG* pMsg)
{
    // Alt+key belongs to the edit, not to the frame's menu.
    if (pMsg->message == WM_SYSCHAR)
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

UINT CGridCellEditor::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CGridCellEditor::EndWithKey(UINT key)
{
    const HWND hWnd = m_hWnd;
    m_nLastChar = key;
    if (CWnd* grid = GetParent())
        grid->SetFocus();
    // An editor that did not have the focus got no kill-focus from that.
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
        FinishAndNotify();
}

void CGridCellEditor::OnKeyDown(UINT nChar, UINT, UINT)
{
    const bool leavingKey = nChar == VK_PRIOR || nChar == VK_NEXT || (nChar >= VK_LEFT && nChar <= VK_DOWN);
    if (leavingKey && (m_bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0)) {
        EndWithKey(nChar);
        return;
    }
    Default();
}

void CGridCellEditor::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == VK_TAB || nChar == VK_RETURN) {
        EndWithKey(nChar);
        return;
    }
    if (nChar == VK_ESCAPE) {
        SetWindowText(m_sInitText);
        EndWithKey(nChar);
        return;
    }
    Default();
    FitWidthToText();
}

void CGridCellEditor::FitWidthToText()
{
    CString text;
    GetWindowText(text);
    text += L"  ";
    CSize size;
    {
        CClientDC dc(this);
        CFont* old = dc.SelectObject(GetFont());
        size = dc.GetTextExtent(text);
        if (old)
            dc.SelectObject(old);
    }
    if (size.cx <= m_Rect.Width())
        return;
    CRect gridClient;
    GetParent()->GetClientRect(&gridClient);
    m_Rect.right = std::min(m_Rect.left + size.cx, gridClient.right);
    MoveWindow(&m_Rect);
}

void CGridCellEditor::OnKillFocus(CWnd*)
{
    Default();
    FinishAndNotify();
}

void CGridCellEditor::FinishAndNotify()
{
    static bool finishing = false;
    const HWND hWnd = GetSafeHwnd();
    if (finishing || !hWnd)
        return;
    finishing = true;
    GridCellRequest notice{};
    notice.hdr.hwndFrom = hWnd;
    notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notice.hdr.code = static_cast<UINT>(GVN_ENDLABELEDIT);
    notice.item.mask = GVIF_TEXT | GVIF_PARAM;
    notice.item.row = m_nRow;
    notice.item.col = m_nColumn;
    notice.item.lParam = static_cast<LPARAM>(m_nLastChar);
    GetWindowText(notice.item.strText);
    if (CWnd* target = GetOwner())
        target->SendMessage(WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    // The grid may have destroyed this editor while it handled the notice.
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
        ::SendMessageW(hWnd, WM_CLOSE, 0, 0);
    finishing = false;
}
