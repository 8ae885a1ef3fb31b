#pragma once
// What the toolkit tests draw on: a 24-bit memory canvas to read pixels back
// and a plain top-level window to host controls.
#include "CWnd.h"
#include "MemoryCanvas.h"

class ToolkitTestWindow : public CWnd {
public:
    explicit ToolkitTestWindow(DWORD dwExStyle = 0, DWORD dwStyle = WS_POPUP | WS_VISIBLE,
                               const CRect& rect = CRect(0, 0, 200, 150))
    {
        CreateEx(dwExStyle, AfxRegisterWndClass(0), L"toolkit test", dwStyle, rect, nullptr, 0);
    }
    ~ToolkitTestWindow() override { DestroyWindow(); }
};
