#include "Utf16.h"

namespace textcodec {

namespace {

bool IsHigh(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

size_t Utf16::Decode(std::u16string_view text, size_t pos, char32_t& codePoint) {
    const char32_t unit = text[pos];
    if (IsHigh(unit) && pos + 1 < text.size() && IsLow(text[pos + 1])) {
        codePoint = 0x10000 + ((unit - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
        return 2;
    }
    codePoint = unit;
    return IsHigh(unit) || IsLow(unit) ? 0 : 1;
}

bool Utf16::IsValid(std::u16string_view text) {
    for (size_t i = 0; i < text.size();) {
        char32_t codePoint;
        const size_t length = Decode(text, i, codePoint);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

size_t Utf16::CharacterBoundary(std::u16string_view text, size_t pos) {
    if (pos > 0 && pos < text.size() && IsHigh(text[pos - 1]) && IsLow(text[pos])) return pos - 1;
    return pos;
}

void Utf16::Append(std::u16string& out, char32_t codePoint) {
    if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
        out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    } else {
        out += static_cast<char16_t>(codePoint);
    }
}

}  // namespace textcodec
