#include "textcodec/Utf8.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace textcodec {
namespace {

TEST(Utf8Test, FindsTheFirstMalformedSequence) {
    struct Case {
        std::string text;
        size_t invalidAt;
    };
    const Case cases[] = {
        {"plain ASCII", std::string::npos},
        {"Müller 東京 🎉", std::string::npos},
        {"ab\xC3", 2},                // truncated two-byte sequence
        {"a\xC0\xAF", 1},             // overlong slash
        {"x\xED\xA0\x80", 1},         // encoded surrogate
        {"\xF4\x90\x80\x80", 0},      // above U+10FFFF
        {"ok\x80", 2},                // lone continuation byte
        {"\xE2\x82", 0},              // truncated at the end
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8::FindInvalid(c.text), c.invalidAt) << c.text;
}

TEST(Utf8Test, ConvertsToUtf16WithSurrogatePairsAndBack) {
    const std::string text = "Zürich 会議 🎉";
    const std::u16string wide = Utf8::ToUtf16(text);
    EXPECT_EQ(wide, u"Zürich 会議 🎉");
    EXPECT_EQ(Utf8::FromUtf16(wide), text);
    EXPECT_EQ(Utf8::ToUtf16("a\xFFz"), u"a\uFFFDz");
    EXPECT_EQ(Utf8::FromUtf16(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

// Each byte that starts no well-formed sequence is one U+FFFD, and the bytes after it
// are read again: a malformed sequence never becomes a code point, least of all a
// surrogate unit in the UTF-16 text.
TEST(Utf8Test, ReplacesEachMalformedByte) {
    struct Case {
        std::string text;
        std::u16string wide;
    };
    const Case cases[] = {
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                          // overlong
        {"\xED\xA0\x80z", u"\uFFFD\uFFFD\uFFFDz"},              // encoded surrogate
        {"\xF5\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},      // lead byte above U+10FFFF
        {"\xF0\x9F\x8E", u"\uFFFD\uFFFD\uFFFD"},                // cut at the end
        {"\xE2\x82z\xC3\xA9", u"\uFFFD\uFFFDz\u00E9"},          // cut before more text
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8::ToUtf16(c.text), c.wide) << c.text;
}

// glibc's decoder is the reference: every one- and two-byte text, every three-byte
// text after a lead byte E0-EF and the four-byte ones after F0-F7 must be judged
// alike, and the valid ones decoded alike.
std::optional<std::u16string> Reference(const std::string& text) {
    static const iconv_t converter = iconv_open("UTF-16LE", "UTF-8");
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string in = text;
    std::vector<char> out(text.size() * 4 + 4);
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    std::u16string wide;
    for (const char* p = out.data(); p + 1 < outPtr; p += 2)
        wide += static_cast<char16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
    return wide;
}

TEST(Utf8Test, AgreesWithTheSystemDecoder) {
    std::vector<std::string> texts;
    for (int a = 0; a < 256; ++a) {
        texts.push_back(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b) texts.push_back({static_cast<char>(a), static_cast<char>(b)});
    }
    for (int a = 0xE0; a <= 0xEF; ++a)
        for (int b = 0x70; b <= 0xC0; ++b)
            for (int c : {0x7F, 0x80, 0xBF, 0xC0}) texts.push_back({char(a), char(b), char(c)});
    for (int a = 0xF0; a <= 0xF7; ++a)
        for (int b = 0x7F; b <= 0xC0; ++b) texts.push_back({char(a), char(b), char(0x80), char(0xBF)});
    for (const std::string& text : texts) {
        const std::optional<std::u16string> expected = Reference(text);
        ASSERT_EQ(Utf8::IsValid(text), expected.has_value()) << testing::PrintToString(text);
        if (expected) ASSERT_EQ(Utf8::ToUtf16(text), *expected) << testing::PrintToString(text);
    }
}

TEST(Utf8Test, NamesPathsAndShowsThem) {
    const std::filesystem::path path = Utf8::ToPath("Zürich/会議 🎉.nsf");
    EXPECT_EQ(path.filename().u16string(), u"会議 🎉.nsf");
    EXPECT_EQ(Utf8::FromPath(path), "Zürich/会議 🎉.nsf");
    EXPECT_EQ(Utf8::FromPath(Utf8::ToPath("bad\xFF.nsf")), "bad\uFFFD.nsf");
}

}  // namespace
}  // namespace textcodec
