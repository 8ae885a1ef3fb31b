#include "imagecodec/LetterBlock.h"

namespace imagecodec {

std::u16string LetterBlock::Encode(const uint8_t* data, size_t size) {
    std::u16string text;
    text.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        text.push_back(static_cast<char16_t>(u'A' + (data[i] & 0x0F)));
        text.push_back(static_cast<char16_t>(u'A' + (data[i] >> 4)));
    }
    return text;
}

std::optional<std::vector<uint8_t>> LetterBlock::Decode(std::u16string_view text) {
    if (text.size() % 2) return std::nullopt;
    std::vector<uint8_t> bytes(text.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned low = text[2 * i], high = text[2 * i + 1];
        bytes[i] = static_cast<uint8_t>(16u * high + low - (16u * u'A' + u'A'));
    }
    return bytes;
}

}  // namespace imagecodec
