#include "textcodec/Utf16.h"

#include "textcodec/Utf8.h"

#include <gtest/gtest.h>

namespace textcodec {
namespace {

TEST(Utf16Test, TellsUnpairedSurrogates) {
    struct Case {
        std::u16string text;
        bool valid;
        std::string utf8;  // unpaired surrogates replaced
    };
    const Case cases[] = {
        {u"", true, ""},
        {u"a\u00E9\u4F1A🎉", true, "a\u00E9\u4F1A🎉"},
        {{u'a', char16_t(0xD83C)}, false, "a\uFFFD"},                         // high surrogate at the end
        {{char16_t(0xDF89), u'b'}, false, "\uFFFDb"},                         // low surrogate alone
        {{char16_t(0xDF89), char16_t(0xD83C)}, false, "\uFFFD\uFFFD"},        // a pair in the wrong order
        {{char16_t(0xD83C), char16_t(0xD83C), char16_t(0xDF89)}, false, "\uFFFD🎉"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16::IsValid(c.text), c.valid) << c.utf8;
        EXPECT_EQ(Utf8::FromUtf16(c.text), c.utf8);
    }
}

TEST(Utf16Test, AppendsPairsAboveTheBasicPlane) {
    std::u16string out;
    for (char32_t codePoint : {U'\u00E9', U'\uFFFF', U'\U00010000', U'\U0010FFFF'}) Utf16::Append(out, codePoint);
    EXPECT_EQ(out, (std::u16string{0x00E9, 0xFFFF, 0xD800, 0xDC00, 0xDBFF, 0xDFFF}));
}

// A cut moves back before a pair's second half; unpaired halves and the ends stay.
TEST(Utf16Test, CharacterBoundaryNeverSplitsAPair) {
    const std::u16string text{u'a', 0xD83D, 0xDE00, 0xDC00, 0xD800, u'b', 0xD83D, 0xDE00};
    const size_t expected[] = {0, 1, 1, 3, 4, 5, 6, 6, 8};
    for (size_t pos = 0; pos <= text.size(); ++pos) EXPECT_EQ(Utf16::CharacterBoundary(text, pos), expected[pos]) << pos;
}

}  // namespace
}  // namespace textcodec
