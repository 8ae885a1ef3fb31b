#include "notesdb/Utf8.h"

#include <gtest/gtest.h>

namespace notesdb {
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

}  // namespace
}  // namespace notesdb
