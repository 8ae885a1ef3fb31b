#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "NotesText.h"
#include "ReaderFakes.h"

namespace {

TEST(NotesText, LongTextIsConvertedWhole) {
    // Far beyond 65,536 units, with characters of two, three and four bytes.
    std::string utf8;
    std::wstring expected;
    for (int i = 0; i < 40000; ++i) {
        utf8 += "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";
        expected += L"a\u00E4\u20AC\U0001F600";
    }
    const LNString text(utf8.data(), utf8.size());
    EXPECT_EQ(Wide(LnStringToCString(text)), expected);
    EXPECT_EQ(Wide(LnStringToCString(CStringToLnString(expected.c_str()))), expected);
}

TEST(NotesText, EdgeCases) {
    EXPECT_EQ(Wide(LnStringToCString(LNString())), L"");
    // Not UTF-8: the raw bytes as ANSI text, whatever the code page makes of them.
    EXPECT_FALSE(LnStringToCString(LNString("abc\xFF")).IsEmpty());
    // An unpaired surrogate cannot become Notes text: the empty Notes string.
    const wchar_t lone[] = {L'a', static_cast<wchar_t>(0xD800), L'b', 0};
    EXPECT_EQ(CStringToLnString(lone).GetBufLength(), 0u);
    EXPECT_EQ(CStringToLnString(L"").GetBufLength(), 0u);
}

TEST(NotesText, TranslationNeverWritesPastTheBuffer) {
    wchar_t buffer[8];
    std::memset(buffer, 0x55, sizeof buffer);
    EXPECT_EQ(LNStringTranslate(LNString("0123456789"), LNCHARSET_UNICODE, buffer, 4 * sizeof(wchar_t)),
              LNERR_BUFFER_TOO_SMALL);
    for (wchar_t c : buffer) EXPECT_EQ(c, static_cast<wchar_t>(0x5555));
    EXPECT_EQ(LNStringTranslate(LNString("0123456"), LNCHARSET_UNICODE, buffer, sizeof buffer), LNNOERROR);
    EXPECT_STREQ(buffer, L"0123456");
}

TEST(NotesText, StripCanonicalName) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"CN=Anna Muller/O=Acme", L"Anna Muller"},
        {L"CN=Bob Smith/OU=Sales/O=Acme", L"Bob Smith/OU=Sales"},
        {L"CN=No Organisation", L"CN=No Organisation"},
        {L"Anna Muller/Acme", L"Anna Muller/Acme"},
        {L"x CN=A/O=B", L"x CN=A/O=B"},
        {L"", L""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(Wide(StripCanonicalName(in)), out) << in;
}

TEST(NotesText, FlattenWhitespace) {
    EXPECT_EQ(Wide(FlattenWhitespace(L"a\tb\x81" L"c\r\nd  e")), L"a b c  d  e");
}

}  // namespace
