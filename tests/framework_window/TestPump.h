#pragma once
#include "Framework.h"

// Runs the thread's message loop (PreTranslateMessage included) until the
// queue holds nothing but a quit; a bounded number of rounds.
inline void PumpPending()
{
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT; ++i)
        AfxPumpMessage();
}

// Takes a pending WM_QUIT off the queue; true when there was one.
inline bool TakeQuitMessage()
{
    MSG msg;
    return ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}
