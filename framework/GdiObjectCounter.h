#pragma once
// Test builds (ORBALIN_COUNT_GDI_OBJECTS) count the GDI objects and the memory
// DCs that the framework's wrappers hold, so that a test or a benchmark can see
// a leak where Wine's GetGuiResources reports nothing useful. Other builds
// compile none of it.
#ifdef ORBALIN_COUNT_GDI_OBJECTS

class GdiObjectCounter {
public:
    // Objects attached to a wrapper (or DCs made by one) and not yet let go.
    static long Held();
    static void Taken();
    static void Released();
};

#define ORBALIN_GDI_TAKEN() GdiObjectCounter::Taken()
#define ORBALIN_GDI_RELEASED() GdiObjectCounter::Released()

#else

#define ORBALIN_GDI_TAKEN() ((void)0)
#define ORBALIN_GDI_RELEASED() ((void)0)

#endif
