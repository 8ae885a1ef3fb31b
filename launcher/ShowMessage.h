#pragma once
#include "Framework.h"

// A message box of the launcher: no owner window, the caption "Orbalin".
int ShowMessage(LPCTSTR lpszText, UINT nType);

// The system's text for the error, about the file, as a message box of the
// launcher: the file's path, then the text with the file's name in it.
void ShowSystemError(const CString& strFile, DWORD dwError);
