#pragma once
#include "Framework.h"

// A message box of the launcher: no owner window, the caption "Orbalin".
int ShowMessage(LPCTSTR lpszText, UINT nType);
