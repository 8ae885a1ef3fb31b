#include "Utf8.h"

#include "Utf16.h"

namespace textcodec {

size_t Utf8::Decode(std::string_view text, size_t pos, char32_t& codePoint) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) {
        codePoint = b0;
        return 1;
    }
    size_t length;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = b0 & 0x07;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[pos + k]);
        if ((b & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

char32_t Utf8::Next(std::string_view text, size_t& pos) {
    char32_t codePoint;
    const size_t length = Decode(text, pos, codePoint);
    if (length == 0) {
        ++pos;
        return 0xFFFD;
    }
    pos += length;
    return codePoint;
}

size_t Utf8::FindInvalid(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        // Runs of ASCII are the common case.
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t codePoint;
        const size_t length = Decode(text, i, codePoint);
        if (length == 0) return i;
        i += length;
    }
    return std::string_view::npos;
}

void Utf8::Append(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::u16string Utf8::ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) Utf16::Append(out, Next(text, i));
    return out;
}

std::string Utf8::FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t codePoint;
        const size_t length = Utf16::Decode(text, i, codePoint);
        Append(out, length == 0 ? 0xFFFD : codePoint);
        i += length == 0 ? 1 : length;
    }
    return out;
}

std::filesystem::path Utf8::ToPath(std::string_view text) {
    // Through UTF-16, so that malformed text names a path instead of throwing.
    return std::filesystem::path(ToUtf16(text));
}

std::string Utf8::FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    // Windows names may hold unpaired surrogates: they are replaced, not thrown.
    const std::wstring& name = path.native();
    return FromUtf16(std::u16string(name.begin(), name.end()));
#else
    return path.native();
#endif
}

}  // namespace textcodec
