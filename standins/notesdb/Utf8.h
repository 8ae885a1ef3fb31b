#pragma once
#include <cstddef>
#include <string>
#include <filesystem>
#include <string_view>

namespace notesdb {

// UTF-8 checks and the conversion to UTF-16 that the API layer hands out.
class Utf8 {
public:
    // Offset of the first byte that is not well-formed UTF-8 (overlongs, surrogates
    // and values above U+10FFFF included), or npos when the whole text is valid.
    static size_t FindInvalid(std::string_view text);
    static bool IsValid(std::string_view text) { return FindInvalid(text) == std::string_view::npos; }
    // Appends the code point as UTF-8; the caller passes a valid scalar value.
    static void Append(std::string& out, char32_t codePoint);
    // Text must be valid UTF-8; invalid bytes become U+FFFD.
    static std::u16string ToUtf16(std::string_view text);
    // Unpaired surrogates become U+FFFD.
    static std::string FromUtf16(std::u16string_view text);
    // A path as UTF-8 text, for messages and Notes paths.
    static std::string FromPath(const std::filesystem::path& path);
    // Equal with ASCII letters compared case-blind, as Notes compares item and server names.
    static bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
};

}  // namespace notesdb
