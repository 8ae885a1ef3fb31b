// The dock bar's background, its printing with the docked bars, and the
// toolbars menu of a right click.
#include "CXTPDockBar.h"

#include "CXTPCommandBars.h"
#include "CXTPPaintManager.h"

void CXTPDockBar::OnPaint()
{
    CPaintDC dc(this);
    m_pCommandBars->GetPaintManager()->FillDockBar(&dc, this);
}

LRESULT CXTPDockBar::OnPrint(WPARAM wParam, LPARAM lParam)
{
    HDC hDC = reinterpret_cast<HDC>(wParam);
    if (::GetObjectType(hDC) == 0)
        return 1;
    m_pCommandBars->GetPaintManager()->FillDockBar(CDC::FromHandle(hDC), this);
    if ((lParam & PRF_CHILDREN) == 0)
        return 1;
    POINT ptOrigin;
    ::GetViewportOrgEx(hDC, &ptOrigin);
    for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hWndChild))
            continue;
        CRect rc;
        ::GetWindowRect(hWndChild, &rc);
        ScreenToClient(&rc);
        ::SetViewportOrgEx(hDC, rc.left, rc.top, nullptr);
        ::SendMessageW(hWndChild, WM_PRINT, wParam, lParam);
    }
    ::SetViewportOrgEx(hDC, ptOrigin.x, ptOrigin.y, nullptr);
    return 1;
}

void CXTPDockBar::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_pCommandBars->ContextMenu(nullptr, point);
}
