#include "TabMessageLoop.h"

TabMessageLoop::Result TabMessageLoop::NextMessage(MSG& msg, DWORD dwTimeout)
{
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwTimeout, QS_ALLINPUT) == WAIT_TIMEOUT)
            return timeout;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            return timeout; // woken by input that is not a message for us
    }
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return timeout;
    if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return quit;
    }
    return message;
}

DWORD TabMessageLoop::MillisecondsUntil(DWORD dwTick)
{
    const LONG nLeft = static_cast<LONG>(dwTick - ::GetTickCount());
    return nLeft > 0 ? static_cast<DWORD>(nLeft) : 0;
}

CPoint TabMessageLoop::ClientPoint(const MSG& msg, HWND hWnd)
{
    POINT pt{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    if (msg.hwnd != hWnd)
        ::MapWindowPoints(msg.hwnd, hWnd, &pt, 1);
    return CPoint(pt);
}
