// Start-up and refresh costs of the colour manager and the look data, run on
// demand: the first (cold) construction of each as the program makes it, the
// median of further constructions, the median of 1,000 RefreshColors, and how
// many refreshes the start-up runs before a main window exists. Times are in
// milliseconds.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "BenchTimer.h"
#include "CXTPColorManager.h"
#include "ToolkitLookData.h"

namespace {

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / frequency;
}

double Once(const std::function<void()>& work)
{
    const double start = Now();
    work();
    return Now() - start;
}

int g_refreshes = 0;

// Counts refreshes by their read of the first system colour, and reads the system.
COLORREF CountingSource(int index)
{
    g_refreshes += index == 1;
    return ::GetSysColor(index);
}

} // namespace

int main()
{
    // As at the program's start: the colour manager comes first (the look data's
    // colour work asks for it), then the look data, with no main window yet.
    const double managerFirst = Once([] { GetColorManager(); });
    GetColorManager()->SetSystemColorSource(&CountingSource);
    g_refreshes = 1;  // the construction's own refresh
    const double lookFirst = Once([] { ToolkitLookData(); });
    const int refreshesAtStart = g_refreshes;
    // Each further call before a main window exists refreshes again.
    for (int i = 0; i < 10; ++i)
        RefreshColorsIfStale();
    const int refreshesAfterTenCalls = g_refreshes;
    GetColorManager()->SetSystemColorSource(nullptr);

    const double managerMedian = testsupport::MedianMilliseconds(100, [](int) { CXTPColorManager manager; });
    const double lookMedian = testsupport::MedianMilliseconds(100, [](int) { class ToolkitLookData look; });
    const double refreshMedian = testsupport::MedianMilliseconds(1000, [](int) { GetColorManager()->RefreshColors(); });

    std::printf("colour manager, first construction:  %8.3f ms\n", managerFirst);
    std::printf("look data, first construction:       %8.3f ms\n", lookFirst);
    std::printf("start-up total (both):               %8.3f ms\n", managerFirst + lookFirst);
    std::printf("colour manager construction, median: %8.3f ms (100 runs)\n", managerMedian);
    std::printf("look data construction, median:      %8.3f ms (100 runs)\n", lookMedian);
    std::printf("RefreshColors, median:               %8.3f ms (1000 runs)\n", refreshMedian);
    std::printf("refreshes before a main window: %d at start-up (manager and look data), %d after ten more "
                "RefreshColorsIfStale calls\n",
                refreshesAtStart, refreshesAfterTenCalls);
    return 0;
}
