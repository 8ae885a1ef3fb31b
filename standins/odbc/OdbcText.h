#pragma once
// Texts across the ODBC boundary: SQLWCHAR buffers with their length rules.
#include <windows.h>
#include <sql.h>

#include <string>
#include <string_view>

namespace odbc {

// A text argument: length SQL_NTS means NUL-terminated; a null pointer is empty.
std::u16string InputText(const SQLWCHAR* text, SQLINTEGER length);

// Copies text into a caller's buffer of capacity characters (terminating NUL
// included), cut at the capacity; stores the full length in characters when
// asked. Answers false when the text was cut.
bool OutputChars(std::u16string_view text, SQLWCHAR* buffer, SQLINTEGER capacity, SQLINTEGER* fullLength);
// The same with the capacity and the reported length in bytes.
bool OutputBytes(std::u16string_view text, SQLPOINTER buffer, SQLLEN capacityBytes, SQLLEN* fullBytes);

}  // namespace odbc
