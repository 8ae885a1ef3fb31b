#pragma once
// Everything a hook calls: a subclassed window's messages (the window hook
// manager) and key presses while menus track (the keyboard tracker, which
// passes a null window).
#include <windows.h>

class CXTPWindowHookClient {
public:
    virtual ~CXTPWindowHookClient() = default;

    // 0: not handled, the next client is asked; 1: handled, lResult is the
    // message's result (a key is swallowed); 2: stop asking, the message goes
    // on. wParam and lParam may be changed for the window's own procedure.
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) = 0;
};
