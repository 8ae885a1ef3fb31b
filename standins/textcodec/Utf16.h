#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace textcodec {

// UTF-16 code units and the code points they carry.
class Utf16 {
public:
    // Reads the code point at text[pos]: answers its length in units (1 or 2), or 0
    // for an unpaired surrogate.
    static size_t Decode(std::u16string_view text, size_t pos, char32_t& codePoint);
    // False when the text holds an unpaired surrogate.
    static bool IsValid(std::u16string_view text);
    // The largest position at or before pos that does not fall between the two
    // units of a surrogate pair: where the text may be cut.
    static size_t CharacterBoundary(std::u16string_view text, size_t pos);
    // Appends the code point, as a surrogate pair above U+FFFF; the caller passes a
    // valid scalar value.
    static void Append(std::u16string& out, char32_t codePoint);
};

}  // namespace textcodec
