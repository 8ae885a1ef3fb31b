#pragma once
// A window for toolkit tests: a borderless top-level window of the given client
// size at a fixed place on the test display, painted by the test's painter.
// Memory-DC probes use the shared MemoryCanvas.
#include "Framework.h"
#include "WindowCapture.h"

#include <functional>

class ToolkitTestHost {
public:
    using Painter = std::function<void(CDC& dc, const CRect& client)>;

    ToolkitTestHost(int width, int height, Painter painter);
    ~ToolkitTestHost();
    ToolkitTestHost(const ToolkitTestHost&) = delete;
    ToolkitTestHost& operator=(const ToolkitTestHost&) = delete;

    HWND Handle() const { return m_hWnd; }
    // The client area as it shows on the screen, once it shows there; empty
    // when it did not within a few seconds.
    testsupport::WindowCapture Capture() const;

private:
    static LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    Painter m_painter;
    HWND m_hWnd = nullptr;
};
