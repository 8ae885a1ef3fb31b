#pragma once
// user32's monitor entry points, looked up at run time once: all of them or none.
#include "Framework.h"

class MonitorFunctions {
public:
    static const MonitorFunctions& Get();

    bool Available() const { return m_pfnGetMonitorInfo != nullptr; }
    HMONITOR FromWindow(HWND hWnd, DWORD dwFlags) const { return m_pfnMonitorFromWindow(hWnd, dwFlags); }
    HMONITOR FromRect(const RECT* pRect, DWORD dwFlags) const { return m_pfnMonitorFromRect(pRect, dwFlags); }
    HMONITOR FromPoint(POINT point, DWORD dwFlags) const { return m_pfnMonitorFromPoint(point, dwFlags); }
    // The monitor's work rectangle; false when it cannot be read.
    bool WorkRect(HMONITOR hMonitor, RECT* pRect) const;

private:
    MonitorFunctions();

    HMONITOR(WINAPI* m_pfnMonitorFromWindow)(HWND, DWORD) = nullptr;
    HMONITOR(WINAPI* m_pfnMonitorFromRect)(LPCRECT, DWORD) = nullptr;
    HMONITOR(WINAPI* m_pfnMonitorFromPoint)(POINT, DWORD) = nullptr;
    // GetMonitorInfoW on NT, GetMonitorInfoA elsewhere; the work rectangle is the same in both.
    BOOL(WINAPI* m_pfnGetMonitorInfo)(HMONITOR, LPMONITORINFO) = nullptr;
};
