#include "WorkArea.h"
#include "MonitorFunctions.h"

namespace {

template <class TFind>
CRect WorkAreaOf(TFind find)
{
    const MonitorFunctions& monitors = MonitorFunctions::Get();
    CRect rect;
    if (monitors.Available() && monitors.WorkRect(find(monitors), &rect))
        return rect;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

} // namespace

CRect GetWorkAreaFromRect(const RECT& rect)
{
    return WorkAreaOf([&](const MonitorFunctions& m) { return m.FromRect(&rect, MONITOR_DEFAULTTONULL); });
}

CRect GetWorkAreaFromWindow(HWND hWnd)
{
    return WorkAreaOf([&](const MonitorFunctions& m) { return m.FromWindow(hWnd, MONITOR_DEFAULTTONULL); });
}

CRect GetWorkAreaFromPoint(POINT point)
{
    return WorkAreaOf([&](const MonitorFunctions& m) { return m.FromPoint(point, MONITOR_DEFAULTTONULL); });
}
