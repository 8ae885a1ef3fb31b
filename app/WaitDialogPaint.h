#pragma once
#include "Framework.h"

// The wait dialogs' background: a black and a yellow one-pixel frame around
// a pale gradient.
void PaintFramedGradient(CDC* pDC, const CRect& rect);
