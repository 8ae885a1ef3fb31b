#pragma once
#include <windows.h>

// Whether a window the engine was lent can be sent to: a window that was never made, or one
// that went away, is left as a null or an invalid handle.
inline bool IsUsableWindow(HWND window)
{
    return window != nullptr && window != reinterpret_cast<HWND>(static_cast<INT_PTR>(-1));
}
