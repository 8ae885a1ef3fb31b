#include <gtest/gtest.h>

#include <cstdint>

#include "Framework.h"
#include "TestResources.h"

TEST(CStringFormat, ConversionsAndWidths)
{
    struct Case
    {
        CString actual;
        const wchar_t* expected;
    };
    auto fmt = [](const wchar_t* format, auto... args) {
        CString s;
        s.Format(format, args...);
        return s;
    };
    const wchar_t* wide = L"wide";
    const char* narrow = "narrow";
    Case cases[] = {
        {fmt(L"%s|%S|%hs|%ls", wide, narrow, narrow, wide), L"wide|narrow|narrow|wide"},
        {fmt(L"[%8s][%-6s][%.2s]", L"abc", L"ab", L"abcdef"), L"[     abc][ab    ][ab]"},
        {fmt(L"%d %i %u %x %X %o", -42, 7, 4000000000u, 255u, 255u, 8u), L"-42 7 4000000000 ff FF 10"},
        {fmt(L"%ld %lu %lx", -5L, 5UL, 0xABCL), L"-5 5 abc"},
        {fmt(L"%lld %I64d %I64u %llx", -9000000000LL, 9000000000LL, 18446744073709551615ULL, 0x123456789ULL),
         L"-9000000000 9000000000 18446744073709551615 123456789"},
        {fmt(L"%05d|%-5d|%+d|% d|%*d|%.3d", 42, 42, 42, 42, 4, 7, 5), L"00042|42   |+42| 42|   7|005"},
        {fmt(L"%hd %hu %hhd", 70000, 70000, 300), L"4464 4464 44"},
        {fmt(L"%c%c%C", L'A', L'\u00e9', 'z'), L"A\u00e9z"},
        {fmt(L"%f %.2f %8.3f %g %e", 1.5, 3.14159, -2.5, 0.0001, 12345.0),
         L"1.500000 3.14   -2.500 0.0001 1.234500e+04"},
        {fmt(L"%Iu %zd", static_cast<size_t>(123), static_cast<ptrdiff_t>(-4)), L"123 -4"},
        {fmt(L"100%% %s", L"done"), L"100% done"},
        {fmt(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)"},
        {fmt(L"trailing %"), L"trailing %"},
        {fmt(L"%s|%S|%5s", CString(L"obj"), CStringA("narrow obj"), CString(L"r")), L"obj|narrow obj|    r"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.actual, c.expected);

    CString pointer;
    pointer.Format(L"%p", reinterpret_cast<void*>(static_cast<uintptr_t>(0xBEEF)));
    EXPECT_EQ(pointer.GetLength(), static_cast<int>(2 * sizeof(void*)));
    EXPECT_EQ(pointer.Right(4), L"BEEF");
    EXPECT_EQ(pointer.TrimLeft(L'0'), L"BEEF");
}

TEST(CStringFormat, LongResultsGrowWithoutLimit)
{
    CString big(L'x', 100000);
    CString s;
    s.Format(L"<%s>%d", big.GetString(), 12);
    EXPECT_EQ(s.GetLength(), 100004);
    EXPECT_EQ(s.Left(2), L"<x");
    EXPECT_EQ(s.Right(4), L"x>12");

    CString wide;
    wide.Format(L"%50000d|", 1);
    EXPECT_EQ(wide.GetLength(), 50001);

    CString appended(L"a=");
    appended.AppendFormat(L"%d, b=%s", 1, L"two");
    EXPECT_EQ(appended, L"a=1, b=two");

    CStringA narrow;
    narrow.Format("%s %S %d", "ascii", L"wide", 3);
    EXPECT_STREQ(narrow, "ascii wide 3");
}

TEST(CString, ConvertsThroughTheAnsiCodePage)
{
    // Characters of every Western ANSI code page; others may not be representable.
    const wchar_t* text = L"Gr\u00fc\u00dfe \u00e9t\u00e9 \u00a9";
    CStringA ansi(text);
    CString back(ansi);
    EXPECT_EQ(back, text);
    EXPECT_EQ(CString(CStringA("plain")), L"plain");

    CString fromChars("abc\xe9", 4);
    EXPECT_EQ(fromChars.GetLength(), 4);
    EXPECT_EQ(CStringA(fromChars), CStringA("abc\xe9"));

    CString empty("");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CStringA(static_cast<const wchar_t*>(nullptr)).IsEmpty());

    CString concatenated = CString(L"a") + "b" + L'c' + L"d";
    concatenated += "e";
    concatenated += L'f';
    EXPECT_EQ(concatenated, L"abcdef");
    EXPECT_EQ(L'x' + CString(L"y"), L"xy");
}

TEST(CString, ExtractionIsClamped)
{
    const CString s(L"Hello");
    struct Case
    {
        CString actual;
        const wchar_t* expected;
    } cases[] = {
        {s.Mid(1, 3), L"ell"}, {s.Mid(-2, 3), L"Hel"}, {s.Mid(3, 100), L"lo"}, {s.Mid(5), L""},
        {s.Mid(9, 2), L""},    {s.Mid(2, -1), L""},    {s.Mid(1), L"ello"},   {s.Left(2), L"He"},
        {s.Left(-1), L""},     {s.Left(99), L"Hello"}, {s.Right(3), L"llo"},  {s.Right(-4), L""},
        {s.Right(50), L"Hello"}, {CString().Mid(0, 1), L""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.actual, c.expected);

    EXPECT_EQ(s.GetAt(0), L'H');
    EXPECT_EQ(s[5], L'\0');
    CString copy = s;
    copy.SetAt(0, L'J');
    EXPECT_EQ(copy, L"Jello");
    EXPECT_EQ(s, L"Hello");
    EXPECT_THROW(s.GetAt(6), CException*);
    try {
        copy.SetAt(5, L'!');
        FAIL();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
        e->Delete();
    }
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString s(L"abc");
    wchar_t* buffer = s.GetBuffer(10);
    wcscpy(buffer, L"0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"0123456789");

    buffer = s.GetBuffer(3);  // smaller than the string: the whole string stays
    buffer[2] = L'\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"01");

    buffer = s.GetBuffer(20);
    wmemcpy(buffer, L"xyzxyz", 6);
    s.ReleaseBuffer(4);
    EXPECT_EQ(s, L"xyzx");

    // A length past the buffer is cut to the buffer.
    s.GetBuffer(5);
    s.ReleaseBuffer(1000);
    EXPECT_EQ(s.GetLength(), 5);

    buffer = s.GetBufferSetLength(3);
    wmemcpy(buffer, L"pqr", 3);
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"pqr");

    CString empty;
    buffer = empty.GetBuffer(0);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer[0], L'\0');
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CString, SearchAndReplace)
{
    const CString s(L"a,b,,c");
    EXPECT_EQ(s.Find(L','), 1);
    EXPECT_EQ(s.Find(L',', 2), 3);
    EXPECT_EQ(s.Find(L',', 6), -1);
    EXPECT_EQ(s.Find(L',', 100), -1);
    EXPECT_EQ(s.Find(L',', -1), -1);
    EXPECT_EQ(s.Find(L",,"), 3);
    EXPECT_EQ(s.Find(L"c", 5), 5);
    EXPECT_EQ(s.Find(L"", 6), 6);
    EXPECT_EQ(s.Find(L"x", 7), -1);
    EXPECT_EQ(s.ReverseFind(L','), 4);
    EXPECT_EQ(s.ReverseFind(L'x'), -1);
    EXPECT_EQ(s.FindOneOf(L"cb"), 2);
    EXPECT_EQ(s.FindOneOf(L""), -1);

    CString r = s;
    EXPECT_EQ(r.Replace(L",", L";;"), 3);
    EXPECT_EQ(r, L"a;;b;;;;c");
    EXPECT_EQ(r.Replace(L";;", L""), 3);
    EXPECT_EQ(r, L"abc");
    EXPECT_EQ(r.Replace(L"", L"x"), 0);
    EXPECT_EQ(r.Replace(L"abc", L"abcabc"), 1);  // replacement containing the pattern
    EXPECT_EQ(r, L"abcabc");
    EXPECT_EQ(r.Replace(L'b', L'B'), 2);
    EXPECT_EQ(r.Remove(L'a'), 2);
    EXPECT_EQ(r, L"BcBc");
    EXPECT_EQ(r.Insert(2, L"--"), 6);
    EXPECT_EQ(r.Insert(99, L'!'), 7);
    EXPECT_EQ(r.Insert(-3, L'^'), 8);
    EXPECT_EQ(r, L"^Bc--Bc!");
    EXPECT_EQ(r.Delete(3, 2), 6);
    EXPECT_EQ(r.Delete(4, 100), 4);
    EXPECT_EQ(r.Delete(50), 4);
    EXPECT_EQ(r, L"^BcB");
}

TEST(CString, TokenizeAndSpans)
{
    const CString s(L"  alpha, beta;;gamma ");
    int pos = 0;
    std::vector<CString> tokens;
    for (CString t = s.Tokenize(L" ,;", pos); pos != -1; t = s.Tokenize(L" ,;", pos))
        tokens.push_back(t);
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0], L"alpha");
    EXPECT_EQ(tokens[1], L"beta");
    EXPECT_EQ(tokens[2], L"gamma");

    pos = 0;
    EXPECT_EQ(CString(L",,,").Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
    pos = 0;
    EXPECT_EQ(CString().Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
    // Without delimiters the rest is one token, and the loop ends.
    pos = 2;
    EXPECT_EQ(CString(L"abcd").Tokenize(L"", pos), L"cd");
    EXPECT_EQ(CString(L"abcd").Tokenize(L"", pos), L"");
    EXPECT_EQ(pos, -1);

    EXPECT_EQ(CString(L"123abc").SpanIncluding(L"0123456789"), L"123");
    EXPECT_EQ(CString(L"abc").SpanIncluding(L"0123456789"), L"");
    EXPECT_EQ(CString(L"key=value").SpanExcluding(L"=;"), L"key");
    EXPECT_EQ(CString(L"key").SpanExcluding(L"="), L"key");
}

TEST(CString, CaseTrimAndCompare)
{
    CString s(L"  Stra\u00dfe \u00c9t\u00e9\t\n");
    s.Trim();
    EXPECT_EQ(s, L"Stra\u00dfe \u00c9t\u00e9");
    EXPECT_EQ(CString(s).MakeUpper(), L"STRA\u00dfE \u00c9T\u00c9");
    EXPECT_EQ(CString(s).MakeLower(), L"stra\u00dfe \u00e9t\u00e9");
    EXPECT_EQ(CString(L"abc").MakeReverse(), L"cba");
    EXPECT_EQ(CString(L"xxhixx").Trim(L'x'), L"hi");
    EXPECT_EQ(CString(L"-+hi+-").TrimLeft(L"+-"), L"hi+-");
    EXPECT_EQ(CString(L"-+hi+-").TrimRight(L"+-"), L"-+hi");
    EXPECT_EQ(CString(L"   ").Trim(), L"");

    EXPECT_EQ(CString(L"abc").Compare(L"abd") < 0, true);
    EXPECT_EQ(CString(L"ABC").CompareNoCase(L"abc"), 0);
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_TRUE(CString(L"a") != L"b");
    EXPECT_TRUE(L"a" == CString(L"a"));
    EXPECT_EQ(CString(L'-', 3), L"---");
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    CString e(L"x");
    e.Empty();
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(e.GetLength(), 0);
}

TEST(CString, LoadsStringResources)
{
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_GREETING));
    EXPECT_EQ(s, L"Gr\u00fc\u00dfe aus %s");
    ASSERT_TRUE(s.LoadString(IDS_SECOND_BLOCK));
    EXPECT_EQ(s, L"block two");
    EXPECT_FALSE(s.LoadString(IDS_MISSING));
    EXPECT_EQ(s, L"block two");
    EXPECT_EQ(CString(MAKEINTRESOURCEW(IDS_SECOND_BLOCK)), L"block two");

    CString formatted;
    formatted.Format(IDS_NUMBER, 3);
    EXPECT_EQ(formatted, L"3 items");

    CStringA narrow;
    ASSERT_TRUE(narrow.LoadString(IDS_SECOND_BLOCK));
    EXPECT_EQ(narrow, "block two");
}

TEST(CString, FormatMessageInserts)
{
    AfxTrace(L"trace output %s %d\n", CString(L"compiles"), 1);
    CString s;
    s.FormatMessage(L"%2 before %1!d!", 5, L"two");
    EXPECT_EQ(s, L"two before 5");
}
