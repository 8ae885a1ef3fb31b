#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace imagecodec {

// A block of bytes kept as text for stores that hold only text: each byte
// becomes two letters from A to P, the low four bits first.
class LetterBlock {
public:
    static std::u16string Encode(const uint8_t* data, size_t size);
    // None for a text of odd length; any other text decodes (letters outside
    // A..P included, kept to 8 bits).
    static std::optional<std::vector<uint8_t>> Decode(std::u16string_view text);
};

}  // namespace imagecodec
