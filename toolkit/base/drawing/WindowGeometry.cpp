#include "WindowGeometry.h"

CRect EmptyRect()
{
    return CRect(0, 0, 0, 0);
}

CRect WindowRectOf(HWND hWnd)
{
    CRect rect = EmptyRect();
    if (::IsWindow(hWnd))
        ::GetWindowRect(hWnd, &rect);
    return rect;
}

CRect WindowRectOf(const CWnd* pWnd)
{
    return WindowRectOf(pWnd->GetSafeHwnd());
}

CRect ClientRectOf(HWND hWnd)
{
    CRect rect = EmptyRect();
    if (::IsWindow(hWnd))
        ::GetClientRect(hWnd, &rect);
    return rect;
}

CRect ClientRectOf(const CWnd* pWnd)
{
    return ClientRectOf(pWnd->GetSafeHwnd());
}

CPoint GetCursorPosIn(HWND hWnd)
{
    CPoint point;
    ::GetCursorPos(&point);
    ::ScreenToClient(hWnd, &point);
    return point;
}

BOOL IsTopLevelActive(HWND hWnd)
{
    HWND hTop = hWnd;
    for (HWND hUp = hTop; hUp != nullptr;
         hUp = (::GetWindowLongW(hUp, GWL_STYLE) & WS_CHILD) ? ::GetParent(hUp) : ::GetWindow(hUp, GW_OWNER))
        hTop = hUp;
    // A foreground top window is its own last active popup; asking for the
    // popup is a round trip to the window server on some systems (Wine).
    HWND hForeground = ::GetForegroundWindow();
    return hForeground == hTop || hForeground == ::GetLastActivePopup(hTop);
}
