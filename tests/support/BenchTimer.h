#pragma once
// Timing for the benchmark programs: the median of repeated runs, in
// milliseconds, from the performance counter.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace testsupport {

inline double ElapsedMilliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

// Runs work(i) runs times and answers the median time of one run; between(),
// when given, runs after each timed run and is not counted.
inline double MedianMilliseconds(int runs, const std::function<void(int)>& work,
                                 const std::function<void()>& between = nullptr)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        work(i);
        ::QueryPerformanceCounter(&end);
        times.push_back(ElapsedMilliseconds(start, end));
        if (between)
            between();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace testsupport
