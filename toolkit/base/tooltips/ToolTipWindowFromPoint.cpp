#include "ToolTipWindowFromPoint.h"

HWND ApplyUseParentRule(HWND hWnd)
{
    if (hWnd == nullptr || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
        return hWnd;
    // A window of another, possibly hung, program must not stall the tip.
    DWORD_PTR dwAnswer = 0;
    if (::SendMessageTimeoutW(hWnd, WM_TOOLTIP_USE_PARENT, 0, 0, SMTO_ABORTIFHUNG, 200, &dwAnswer) && dwAnswer == 1)
        return ::GetParent(hWnd);
    return hWnd;
}

HWND ToolTipWindowFromPoint(POINT point)
{
    return ApplyUseParentRule(::WindowFromPoint(point));
}
