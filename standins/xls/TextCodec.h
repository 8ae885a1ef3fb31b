#pragma once
// UTF-8 <-> UTF-16 for messages and file names; invalid sequences become U+FFFD.
#include <string>
#include <string_view>

namespace xls {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace xls
