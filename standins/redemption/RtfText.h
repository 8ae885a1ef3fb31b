#pragma once
#include <string>

namespace rdo {

// The plain text of an RTF document, as a reader shows it: destinations such as the font
// and colour tables are skipped, \par and \line end lines (CR LF), \tab gives a tab,
// \'hh and \uN give their characters (\'hh read as Windows-1252).
std::wstring RtfPlainText(const std::wstring& rtf);

}
