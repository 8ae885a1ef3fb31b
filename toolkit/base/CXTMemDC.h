#pragma once
// Memory device context of a rectangle, copied to the target when destroyed.
#include "CXTOffscreenDC.h"

class CXTMemDC : public CXTOffscreenDC {
public:
    using CXTOffscreenDC::CXTOffscreenDC;
};
