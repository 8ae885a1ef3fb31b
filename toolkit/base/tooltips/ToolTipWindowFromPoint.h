#pragma once
// Which window a tooltip counts as being under a screen point.
#include "Framework.h"

// Asked of a child window under the pointer: answering 1 makes its parent
// count instead, so that a bar's tips show over the edit boxes it hosts.
#define WM_TOOLTIP_USE_PARENT 0x2A48

// hWnd, or its parent when hWnd is a child that answers WM_TOOLTIP_USE_PARENT with 1.
HWND ApplyUseParentRule(HWND hWnd);
// The window under point, after the rule above.
HWND ToolTipWindowFromPoint(POINT point);
