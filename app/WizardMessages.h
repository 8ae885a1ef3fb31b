#pragma once
// Private messages between the frame, the main view and the step views.
#include <windows.h>

constexpr UINT WM_STEP_ACTIVATED = WM_USER + 100;
constexpr UINT WM_SELECT_STEP = WM_USER + 101;      // wParam: step index
constexpr UINT WM_CLOSE_WAIT = WM_USER + 102;       // also: step 2, a folder was clicked
constexpr UINT WM_GRID_ROW_CLICKED = WM_USER + 103;
constexpr UINT WM_STOP_CURRENT = WM_USER + 104;
constexpr UINT WM_ADD_FILE = WM_USER + 105;
constexpr UINT WM_OPTION_CLICKED = WM_USER + 106;   // lParam: 1 single, 2 multiple
constexpr UINT WM_CONFIRM_STOP = WM_USER + 108;
constexpr UINT WM_ADD_FILES = WM_USER + 109;
constexpr UINT WM_ADD_DOMINO_FILES = WM_USER + 110;
constexpr UINT WM_EXPORT = WM_USER + 111;
