#pragma once
// A borderless top-level window of the given client size at a fixed place on
// the test display, painted by the test's painter, for captures of what shows.
#include "Framework.h"
#include "WindowCapture.h"

#include <functional>

class PaintedTestWindow {
public:
    using Painter = std::function<void(CDC& dc, const CRect& client)>;

    PaintedTestWindow(int width, int height, Painter painter);
    ~PaintedTestWindow();
    PaintedTestWindow(const PaintedTestWindow&) = delete;
    PaintedTestWindow& operator=(const PaintedTestWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    // The client area as it shows on the screen, once it shows there; empty
    // when it did not within a few seconds.
    testsupport::WindowCapture Capture() const;

private:
    static LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    Painter m_painter;
    HWND m_hWnd = nullptr;
};
