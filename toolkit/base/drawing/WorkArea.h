#pragma once
// The work area of the monitor that holds a rectangle, window or point; the
// primary work area where monitors cannot be asked.
#include "Framework.h"

CRect GetWorkAreaFromRect(const RECT& rect);
CRect GetWorkAreaFromWindow(HWND hWnd);
CRect GetWorkAreaFromPoint(POINT point);
