#pragma once
// What a window hook or the keyboard tracker calls: every client sees the
// hooked messages before the window does.
#include "Framework.h"

class CXTPWindowHookClient {
public:
    virtual ~CXTPWindowHookClient() = default;
    // 0 not handled (ask the next client), 1 handled (lResult is the
    // message's result; a key is swallowed), 2 stop asking and let it go on.
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) = 0;
};
