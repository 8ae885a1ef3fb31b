// Any bytes: the UTF-16 text is always well-formed, and it converts back to the
// same bytes exactly when they were valid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textcodec/Utf16.h"
#include "textcodec/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::u16string wide = textcodec::Utf8::ToUtf16(text);
    if (!textcodec::Utf16::IsValid(wide)) std::abort();
    if ((textcodec::Utf8::FromUtf16(wide) == text) != textcodec::Utf8::IsValid(text)) std::abort();
    return 0;
}
