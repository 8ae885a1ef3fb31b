// The toolbar's floating window: switching between popup and child window,
// following the frame's activation, and the sizing borders.
#include "CXTPToolBar.h"

#include "CXTPBarDragContext.h"
#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"

namespace {
// A floating bar's border: this far inside its edge a click sizes it.
constexpr int kSizingBorder = 3;

void SetWindowShown(HWND hWnd, BOOL bShow)
{
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                       SWP_NOACTIVATE);
}
} // namespace

BOOL CXTPToolBar::SetFloatingMode(BOOL bFloating, CWnd* pFrame)
{
    if (!GetSafeHwnd()) {
        CPoint ptFloat(100, 100);
        if (m_pDragContext && m_pDragContext->GetLastFloatPosition() != CPoint(0, 0))
            ptFloat = m_pDragContext->GetLastFloatPosition();
        const CXTPCommandBars* pCommandBars = GetCommandBars();
        const DWORD dwExStyle = pCommandBars && pCommandBars->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
        const LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
        if (!CreateEx(dwExStyle, lpszClass, m_strTitle, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE,
                      CRect(ptFloat, ptFloat), pFrame, 0))
            return FALSE;
        if (m_bVisible)
            ShowWindow(SW_SHOWNA);
    }
    if (bFloating) {
        ::SetParent(m_hWnd, nullptr);
        ModifyStyle(WS_CHILD, WS_POPUP | MFS_SYNCACTIVE);
        ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pFrame ? pFrame->GetSafeHwnd() : nullptr));
    } else {
        ModifyStyle(WS_POPUP, WS_CHILD);
    }
    return TRUE;
}

BOOL CXTPToolBar::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CXTPCommandBar::OnNcCreate(lpCreateStruct))
        return FALSE;
    if (GetStyle() & MFS_SYNCACTIVE) {
        // A bar floated while its frame is inactive starts hidden like the others.
        CWnd* pTop = GetTopLevelParent();
        const HWND hwndTop = pTop ? pTop->GetSafeHwnd() : nullptr;
        const HWND hwndForeground = ::GetForegroundWindow();
        BOOL bActive = hwndTop && hwndForeground == hwndTop;
        if (!bActive && hwndTop && hwndForeground == ::GetLastActivePopup(hwndTop))
            bActive = ::SendMessageW(hwndForeground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
        SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    }
    return TRUE;
}

LRESULT CXTPToolBar::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    const DWORD dwStyle = GetStyle();
    const LRESULT lResult = (dwStyle & MFS_SYNCACTIVE) && (wParam & FS_SYNCACTIVE) ? 1 : 0;
    // The window decides, not the position: the owner sets the position only
    // after the floating window exists, which is told its state at creation.
    const BOOL bFloatingWindow = (dwStyle & MFS_SYNCACTIVE) && !(dwStyle & WS_CHILD);
    if (!bFloatingWindow || !IsVisible())
        return lResult;

    const CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars) {
        if ((wParam & FS_DEACTIVATE) && !IsTopParentActive())
            SetWindowShown(m_hWnd, FALSE);
        if ((wParam & FS_ACTIVATE) && !(GetStyle() & WS_VISIBLE) && IsTopParentActive()) {
            const HWND hwndForeground = ::GetForegroundWindow();
            if (::IsWindowVisible(hwndForeground) && !::IsIconic(hwndForeground))
                SetWindowShown(m_hWnd, TRUE);
        }
    }
    if (wParam & (FS_SHOW | FS_HIDE))
        SetWindowShown(m_hWnd, (wParam & FS_SHOW) != 0);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return lResult;
}

int CXTPToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (IsFloating() || IsCustomizeMode())
        return MA_NOACTIVATE;
    return CXTPCommandBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

LRESULT CXTPToolBar::OnNcHitTest(CPoint point)
{
    if (!IsFloating())
        return CXTPCommandBar::OnNcHitTest(point);
    CRect rcInner;
    GetWindowRect(&rcInner);
    rcInner.DeflateRect(kSizingBorder, kSizingBorder);
    if (point.y < rcInner.top)
        return HTTOP;
    if (point.y >= rcInner.bottom)
        return HTBOTTOM;
    if (point.x < rcInner.left)
        return HTLEFT;
    if (point.x >= rcInner.right)
        return HTRIGHT;
    return CXTPCommandBar::OnNcHitTest(point);
}
