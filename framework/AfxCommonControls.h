#pragma once
// Registers the common-control window classes (InitCommonControlsEx) a control
// needs before its first window is made; each class set is registered once.

#include "Afx.h"

#include <commctrl.h>

BOOL AfxInitCommonControls(DWORD dwIccClasses);
