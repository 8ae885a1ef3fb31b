#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace textcodec {

// UTF-8 checks, code points, and the conversions to UTF-16 and to paths.
class Utf8 {
public:
    // Reads the sequence at text[pos]: answers its length, or 0 when it is not
    // well-formed (overlongs, surrogates, values above U+10FFFF, cut sequences).
    static size_t Decode(std::string_view text, size_t pos, char32_t& codePoint);
    // Reads the code point at text[pos] and moves pos past it; a byte that starts no
    // well-formed sequence reads as U+FFFD and is passed alone.
    static char32_t Next(std::string_view text, size_t& pos);
    // Offset of the first byte that is not well-formed UTF-8, or npos when the whole
    // text is valid.
    static size_t FindInvalid(std::string_view text);
    static bool IsValid(std::string_view text) { return FindInvalid(text) == std::string_view::npos; }
    // Appends the code point as UTF-8; the caller passes a valid scalar value.
    static void Append(std::string& out, char32_t codePoint);
    // Malformed bytes become U+FFFD.
    static std::u16string ToUtf16(std::string_view text);
    // Unpaired surrogates become U+FFFD.
    static std::string FromUtf16(std::u16string_view text);
    // The path the text names (malformed bytes become U+FFFD), and a path as text.
    static std::filesystem::path ToPath(std::string_view text);
    static std::string FromPath(const std::filesystem::path& path);
};

}  // namespace textcodec
