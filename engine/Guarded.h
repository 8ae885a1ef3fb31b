#pragma once
#include "CException.h"

// Runs one automation step; any failure it raises (a framework exception object,
// which is deleted, or anything else) is swallowed and reported as false.
template <class Step>
bool Guarded(Step&& step)
{
    try {
        step();
        return true;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return false;
}
