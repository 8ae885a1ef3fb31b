#pragma once
// Pixel-level touches of painted shapes.
#include "Framework.h"

// Keeps the four corner pixels of the rectangle out of the DC's clip region.
void ExcludeCornerPixels(CDC* pDC, int left, int top, int right, int bottom);
// pPoints holds nCount / 2 pairs (P, D); the pixel at P becomes the average of
// itself and the pixel at P + D.
void AverageWithNeighbour(CDC* pDC, const POINT* pPoints, int nCount);
