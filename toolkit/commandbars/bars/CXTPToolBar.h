#pragma once
// A toolbar of the command bars: a bar docked in the frame or floating.
#include "CXTPCommandBar.h"

class CXTPToolBar : public CXTPCommandBar {
};
