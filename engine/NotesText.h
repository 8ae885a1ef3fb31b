#pragma once
// Text conversions between Notes strings and ours, and two clean-ups of Notes texts.
#include "CString.h"
#include "lnapi.h"

CString LnStringToCString(const LNString& text);
// An empty Notes string when the text cannot be translated.
LNString CStringToLnString(const CString& text);
// "CN=Anna Muller/O=Acme" gives "Anna Muller"; other texts stay as they are.
CString StripCanonicalName(const CString& name);
// TAB, U+0081, CR and LF become blanks.
CString FlattenWhitespace(const CString& text);
