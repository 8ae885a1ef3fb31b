#include "OdbcText.h"

#include <algorithm>
#include <cstring>

namespace odbc {

std::u16string InputText(const SQLWCHAR* text, SQLINTEGER length) {
  if (!text) return {};
  const auto* p = reinterpret_cast<const char16_t*>(text);
  if (length == SQL_NTS) return std::u16string(p);
  if (length < 0) return {};
  return std::u16string(p, static_cast<size_t>(length));
}

bool OutputChars(std::u16string_view text, SQLWCHAR* buffer, SQLINTEGER capacity, SQLINTEGER* fullLength) {
  if (fullLength) *fullLength = static_cast<SQLINTEGER>(text.size());
  if (!buffer || capacity <= 0) return text.empty();
  const size_t n = std::min(text.size(), static_cast<size_t>(capacity) - 1);
  std::memcpy(buffer, text.data(), n * sizeof(char16_t));
  buffer[n] = 0;
  return n == text.size();
}

bool OutputBytes(std::u16string_view text, SQLPOINTER buffer, SQLLEN capacityBytes, SQLLEN* fullBytes) {
  SQLINTEGER chars = 0;
  const bool whole = OutputChars(text, static_cast<SQLWCHAR*>(buffer),
                                 static_cast<SQLINTEGER>(std::min<SQLLEN>(capacityBytes / 2, 0x7FFFFFFF)), &chars);
  if (fullBytes) *fullBytes = static_cast<SQLLEN>(chars) * 2;
  return whole;
}

}  // namespace odbc
