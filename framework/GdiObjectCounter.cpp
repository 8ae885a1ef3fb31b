#include "GdiObjectCounter.h"

#ifdef ORBALIN_COUNT_GDI_OBJECTS

#include <atomic>

namespace {
std::atomic<long> g_held{0};
}

long GdiObjectCounter::Held()
{
    return g_held.load();
}

void GdiObjectCounter::Taken()
{
    ++g_held;
}

void GdiObjectCounter::Released()
{
    --g_held;
}

#endif
