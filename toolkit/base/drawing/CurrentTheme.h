#pragma once
// The colour scheme the toolkit paints in, for painting code that has no colour manager at hand.
#include "CXTPColorManager.h"

ColorSchemeKind GetCurrentTheme();
