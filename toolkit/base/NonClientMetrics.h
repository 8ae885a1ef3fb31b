#pragma once
// The system's non-client metrics (caption, menu, status and message fonts and
// sizes) in the 500-byte layout that every Windows version since 2000 answers.
#include <windows.h>

struct NonClientMetrics : NONCLIENTMETRICSW {
    static constexpr UINT kSize = 500;

    // Zeroed, then filled by the system.
    NonClientMetrics();
};
