#pragma once
// Font faces the toolkit draws with, and menu texts without their mnemonics.
#include "Framework.h"

// True when the screen has a font family of that face (case-insensitive).
BOOL FontFamilyExists(LPCTSTR lpszFace);
// "Arial", or "Tahoma" when asked for and installed; the stock GUI font's face
// on non-Western character sets of Windows 2000 and later, or without "Arial".
CString GetDefaultFontFace(BOOL bPreferTahoma);
// Removes every '&' that is not doubled; "&&" leaves one '&'.
void StripMnemonics(CString& strText);
