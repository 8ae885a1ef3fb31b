#include <gtest/gtest.h>

#include "PstText.h"

namespace {

using Bytes = std::vector<uint8_t>;

// What the file stores for a text, and what is read back from those bytes. Text that
// cannot be stored as it is never turns into a lone surrogate or an unassigned byte.
TEST(PstTextTest, StoresTextAndReadsItBack)
{
    struct Case {
        const char* label;
        std::string text;
        bool unicode;
        Bytes stored;
        std::string read;
    };
    const Case cases[] = {
        {"Windows-1252 letters", "€‚Ÿé", false, {0x80, 0x82, 0x9F, 0xE9}, "€‚Ÿé"},
        {"no Windows-1252 byte", "会\uFFFD\xFF", false, {'?', '?', '?'}, "???"},
        {"pair above U+FFFF", "a🎉", true, {'a', 0, 0x3C, 0xD8, 0x89, 0xDF}, "a🎉"},
        {"encoded surrogate", "\xED\xA0\x80", true, {0xFD, 0xFF, 0xFD, 0xFF, 0xFD, 0xFF}, "\uFFFD\uFFFD\uFFFD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(pst::PstText::encode(c.text, c.unicode), c.stored);
        EXPECT_EQ(pst::PstText::decode(c.stored, c.unicode), c.read);
    }
}

TEST(PstTextTest, ReadsUpToTheTerminatorAndReplacesLoneSurrogates)
{
    EXPECT_EQ(pst::PstText::decode({'a', 0, 0x00, 0xD8, 'b', 0, 0, 0, 'c', 0}, true), "a\uFFFDb");
    EXPECT_EQ(pst::PstText::decode({0x3C, 0xD8}, true), "\uFFFD");
    EXPECT_EQ(pst::PstText::decode({'x', 0x9D, 0, 'y'}, false), "x\uFFFD");
}

}
