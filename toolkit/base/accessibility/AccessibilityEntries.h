#pragma once
// The system entries accessibility needs, found at run time: NotifyWinEvent of
// USER32 (looked up once, by the first accessible object) and the two OLEACC
// entries (loaded on first use, looked up again while missing).
#include "Framework.h"

#include <oleacc.h>

namespace AccessibilityEntries {

using NotifyWinEventEntry = void(WINAPI*)(DWORD, HWND, LONG, LONG);
using AccessibleObjectFromWindowEntry = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
using LresultFromObjectEntry = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

void LookUpNotifyWinEvent();
NotifyWinEventEntry NotifyWinEvent();
AccessibleObjectFromWindowEntry AccessibleObjectFromWindow();
LresultFromObjectEntry LresultFromObject();

} // namespace AccessibilityEntries
