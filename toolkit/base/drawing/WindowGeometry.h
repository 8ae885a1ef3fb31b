#pragma once
// Rectangles and points of windows, safe on objects that hold no window.
#include "Framework.h"
#include "CWnd.h"

CRect EmptyRect();
CRect WindowRectOf(HWND hWnd);
CRect WindowRectOf(const CWnd* pWnd);
CRect ClientRectOf(HWND hWnd);
CRect ClientRectOf(const CWnd* pWnd);
// The cursor position in the window's client coordinates.
CPoint GetCursorPosIn(HWND hWnd);
// True when the foreground window is the last active popup of the window's top window.
BOOL IsTopLevelActive(HWND hWnd);
