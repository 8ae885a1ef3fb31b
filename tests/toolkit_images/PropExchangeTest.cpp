#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "CArchive.h"
#include "CArchiveException.h"
#include "CMemFile.h"
#include "CRect.h"
#include "CSize.h"
#include "CXTPPropExchangeArchive.h"
#include "CXTPPropExchangeEnumerator.h"
#include "CXTPPropExchangeRegistry.h"
#include "PropExchangeHelpers.h"
#include "RegistryScratch.h"

namespace
{
constexpr wchar_t kScratch[] = L"Software\\OrbalinImagesTest";

testsupport::RegistryScratch ScratchKey(const wchar_t* name)
{
    return testsupport::RegistryScratch(std::wstring(kScratch) + L"\\" + name);
}

struct Values
{
    short i2 = 0;
    int i4 = 0;
    BOOL b = FALSE;
    BYTE ui1 = 0;
    CString str;
    CRect rc;
    CSize sz;

    void Exchange(CXTPPropExchange* pPX)
    {
        const short i2Default = 7;
        const BYTE ui1Default = 9;
        pPX->ExchangeProp(L"Short", xtpPropI2, &i2, &i2Default);
        PX_Int(pPX, L"Int", i4, 0);
        PX_Bool(pPX, L"Bool", b, FALSE);
        pPX->ExchangeProp(L"Byte", xtpPropUI1, &ui1, &ui1Default);
        PX_String(pPX, L"Text", str, L"none");
        PX_Rect(pPX, L"Rect", rc, CRect(0, 0, 0, 0));
        PX_Size(pPX, L"Size", sz, CSize(0, 0));
    }
};

Values Sample()
{
    Values v;
    v.i2 = -1;
    v.i4 = -123456;
    v.b = TRUE;
    v.ui1 = 200;
    v.str = L"r\u00e9sum\u00e9";
    v.rc = CRect(1, 2, 3, 4);
    v.sz = CSize(10, 20);
    return v;
}

void ExpectSame(const Values& a, const Values& b)
{
    EXPECT_EQ(a.i2, b.i2);
    EXPECT_EQ(a.i4, b.i4);
    EXPECT_EQ(a.b, b.b);
    EXPECT_EQ(a.ui1, b.ui1);
    EXPECT_EQ(a.str, b.str);
    EXPECT_EQ(a.rc, b.rc);
    EXPECT_EQ(a.sz, b.sz);
}

class CTestShape : public CObject
{
    DECLARE_DYNCREATE(CTestShape)
};
IMPLEMENT_DYNCREATE(CTestShape, CObject)
class CTestCircle : public CTestShape
{
    DECLARE_DYNCREATE(CTestCircle)
};
IMPLEMENT_DYNCREATE(CTestCircle, CTestShape)
class CTestUnrelated : public CObject
{
    DECLARE_DYNCREATE(CTestUnrelated)
};
IMPLEMENT_DYNCREATE(CTestUnrelated, CObject)

// An exchange that keeps only text, as the base class's block form expects.
class TextExchange : public CXTPPropExchange
{
public:
    explicit TextExchange(BOOL bLoading) { m_bLoading = bLoading; }
    BOOL ExchangeProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault) override
    {
        if (nType != xtpPropString)
            return FALSE;
        if (IsStoring())
        {
            texts[pszPropName] = *static_cast<CString*>(pvProp);
            return TRUE;
        }
        const auto it = texts.find(pszPropName);
        if (it == texts.end())
            return CopyPropValue(nType, pvProp, pvDefault);
        *static_cast<CString*>(pvProp) = it->second;
        return TRUE;
    }
    CXTPPropExchange* GetSection(LPCTSTR) override { return nullptr; }
    std::map<CString, CString> texts;
};

struct Release
{
    void operator()(CXTPPropExchange* p) const { p->InternalRelease(); }
};
using SectionPtr = std::unique_ptr<CXTPPropExchange, Release>;
} // namespace

TEST(PropExchangeRegistry, EveryTypeStoresAndLoadsWithTheRegistryTypesAnotherReaderSees)
{
    auto scratch = ScratchKey(L"Types");
    Values stored = Sample();
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"Query");
        stored.Exchange(&px);
        float f = 1.5f;
        double d = 2.5;
        EXPECT_TRUE(px.ExchangeProp(L"Float", xtpPropR4, &f, nullptr));
        EXPECT_TRUE(px.ExchangeProp(L"Double", xtpPropR8, &d, nullptr));
    }
    Values loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"Query");
        loaded.Exchange(&px);
        float f = 0;
        EXPECT_FALSE(px.ExchangeProp(L"Float", xtpPropR4, &f, nullptr)) << "floats are not read back";
    }
    ExpectSame(stored, loaded);

    const std::string reg = testsupport::RegQuery(scratch.Path() + L"\\Query");
    struct Line
    {
        const char* name;
        const char* type;
        const char* value;
    } lines[] = {
        {"Short", "REG_DWORD", "0xffff"},   {"Int", "REG_DWORD", "0xfffe1dc0"}, {"Bool", "REG_DWORD", "0x1"},
        {"Byte", "REG_DWORD", "0xc8"},      {"Rect", "REG_SZ", "1, 2, 3, 4"},  {"Size", "REG_SZ", "10, 20"},
        {"Float", "REG_BINARY", "0000C03F"}, {"Double", "REG_BINARY", "0000000000000440"},
    };
    for (const auto& l : lines)
    {
        const size_t at = reg.find(std::string("    ") + l.name + "    ");
        ASSERT_NE(at, std::string::npos) << l.name << "\n" << reg;
        const std::string line = reg.substr(at, reg.find('\n', at) - at);
        EXPECT_NE(line.find(l.type), std::string::npos) << line;
        EXPECT_NE(line.find(l.value), std::string::npos) << line;
    }
}

TEST(PropExchangeRegistry, DefaultsAreDeletedUnlessTheyMustBeWritten)
{
    auto scratch = ScratchKey(L"Defaults");
    int value = 5;
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"S");
        PX_Int(&px, L"Int", value, 0);
    }
    ASSERT_TRUE(scratch.Has(L"S", L"Int"));
    value = 0;
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"S");
        EXPECT_TRUE(PX_Int(&px, L"Int", value, 0));
    }
    EXPECT_FALSE(scratch.Has(L"S", L"Int")) << "equal to its default: removed";
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"S");
        px.m_bUseDefaultOnSave = FALSE;
        PX_Int(&px, L"Int", value, 0);
    }
    EXPECT_TRUE(scratch.Has(L"S", L"Int"));

    // Missing values: the default, or the member untouched when defaults are off.
    CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"S");
    int missing = 42;
    EXPECT_TRUE(PX_Int(&px, L"Missing", missing, 3));
    EXPECT_EQ(missing, 3);
    px.m_bUseDefaultOnLoad = FALSE;
    missing = 42;
    EXPECT_FALSE(PX_Int(&px, L"Missing", missing, 3));
    EXPECT_EQ(missing, 42);
}

TEST(PropExchangeRegistry, StoredTextIsCheckedBeforeItIsTaken)
{
    auto scratch = ScratchKey(L"Texts");
    const auto put = [&](const wchar_t* name, DWORD type, const void* data, DWORD size) {
        scratch.SetRaw(L"S", name, type, data, size);
    };
    put(L"Pair", REG_SZ, L"10, 20", 14);
    put(L"Single", REG_SZ, L"10", 6);
    put(L"Rect", REG_SZ, L"1, 2, 3, 4", 22);
    put(L"Unterminated", REG_SZ, L"abcXYZ", 6); // "abc" with no terminating zero
    put(L"OddBytes", REG_SZ, L"abcd", 7);       // half of the last character
    const DWORD number = 7;
    put(L"Number", REG_DWORD, &number, 4);
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    put(L"Wide", REG_BINARY, eight, 8);

    CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"S");
    CSize sz;
    EXPECT_TRUE(PX_Size(&px, L"Pair", sz, CSize(-1, -1)));
    EXPECT_EQ(sz, CSize(10, 20));
    PX_Size(&px, L"Single", sz, CSize(-1, -2));
    EXPECT_EQ(sz, CSize(-1, -2));
    CRect rc;
    EXPECT_TRUE(PX_Rect(&px, L"Rect", rc, CRect()));
    EXPECT_EQ(rc, CRect(1, 2, 3, 4));
    CString text;
    EXPECT_TRUE(PX_String(&px, L"Unterminated", text, L"default"));
    EXPECT_EQ(text, L"abc");
    EXPECT_TRUE(PX_String(&px, L"OddBytes", text, L"default"));
    EXPECT_EQ(text.Left(3), L"abc") << "read whole, however the store keeps the odd byte";
    PX_String(&px, L"Number", text, L"default");
    EXPECT_EQ(text, L"default") << "a number is no text";
    int n = 0;
    PX_Int(&px, L"Wide", n, 99);
    EXPECT_EQ(n, 99) << "eight bytes do not fit a number";
}

TEST(PropExchangeRegistry, EmptySectionDeletesItsOwnKeyOnly)
{
    auto scratch = ScratchKey(L"Empty");
    int value = 1;
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"S");
        SectionPtr child(px.GetSection(L"Child"));
        PX_Int(child.get(), L"Int", value, 0);
        child.reset();
        px.EmptySection();
        EXPECT_FALSE(scratch.Has(L"S\\Child", L"Int"));
        PX_Int(&px, L"After", value, 0);
    }
    EXPECT_TRUE(scratch.Has(L"S", L"After")) << "the key is made again";

    scratch.SetRaw(L"Keep", L"Int", REG_DWORD, &value, 4);
    HKEY hKeep = nullptr;
    RegOpenKeyExW(scratch.Key(), L"Keep", 0, KEY_ALL_ACCESS, &hKeep);
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"");
        px.EmptySection();
    }
    RegCloseKey(hKeep);
    EXPECT_TRUE(scratch.Has(L"Keep", L"Int")) << "an empty name is not the parent's tree";
}

TEST(PropExchangeRegistry, EnumeratorVisitsNumberedSections)
{
    auto scratch = ScratchKey(L"Enum");
    for (DWORD count : {3u, 0u})
    {
        {
            CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"List");
            px.EmptySection();
            std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(px.GetEnumerator(L"Item"));
            ULONG_PTR pos = pEnum->GetPosition(count, FALSE);
            int i = 0;
            while (pos)
            {
                SectionPtr item(pEnum->GetNext(pos));
                int v = 100 + i++;
                PX_Int(item.get(), L"V", v, 0);
            }
            EXPECT_EQ(i, static_cast<int>(count));
        }
        EXPECT_EQ(scratch.Has(L"List\\Item2", L"V"), count == 3);
        CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"List");
        std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(px.GetEnumerator(L"Item"));
        ULONG_PTR pos = pEnum->GetPosition(0, FALSE);
        std::vector<int> seen;
        while (pos)
        {
            SectionPtr item(pEnum->GetNext(pos));
            int v = 0;
            PX_Int(item.get(), L"V", v, 0);
            seen.push_back(v);
        }
        EXPECT_EQ(seen, count ? std::vector<int>({100, 101, 102}) : std::vector<int>()) << count;
    }
}

TEST(PropExchangeRegistry, ClassEntriesCreateObjectsOfTheRequiredKind)
{
    auto scratch = ScratchKey(L"Class");
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"Circle");
        CTestCircle circle;
        CObject* pObject = &circle;
        EXPECT_TRUE(px.ExchangeObjectInstance(&pObject, RUNTIME_CLASS(CTestShape)));
    }
    struct Case
    {
        const wchar_t* stored; // null: no "Class" value
        CRuntimeClass* made;   // null: the call fails
    } cases[] = {
        {nullptr, RUNTIME_CLASS(CTestShape)},
        {L"CTestCircle", RUNTIME_CLASS(CTestCircle)},
        {L"CNoSuchClass", nullptr},
        {L"CTestUnrelated", nullptr},
    };
    for (const auto& c : cases)
    {
        const CString section = c.stored ? c.stored : L"Absent";
        if (c.stored)
            scratch.SetRaw(section, L"Class", REG_SZ, c.stored, static_cast<DWORD>((wcslen(c.stored) + 1) * 2));
        CXTPPropExchangeRegistry px(TRUE, scratch.Key(), section);
        CObject* pObject = nullptr;
        const BOOL ok = px.ExchangeObjectInstance(&pObject, RUNTIME_CLASS(CTestShape));
        EXPECT_EQ(ok != FALSE, c.made != nullptr) << static_cast<LPCTSTR>(section);
        if (c.made)
        {
            ASSERT_NE(pObject, nullptr);
            EXPECT_EQ(pObject->GetRuntimeClass(), c.made);
        }
        delete pObject;
    }
    EXPECT_TRUE(scratch.Has(L"Circle", L"Class"));
}

TEST(PropExchangeArchive, ValuesStreamWithoutNamesOrSections)
{
    CMemFile file;
    Values stored = Sample();
    BYTE block[] = {1, 2, 3};
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        SectionPtr section(px.GetSection(L"Ignored"));
        stored.Exchange(section.get());
        BYTE* pBlock = block;
        DWORD nBlock = 3;
        PX_Blob(&px, L"Blob", pBlock, nBlock);
        ar.Close();
    }
    // Only the values, in order: the same bytes as written by hand.
    CMemFile plain;
    {
        CArchive ar(&plain, CArchive::store);
        ar << stored.i2 << stored.i4 << static_cast<LONG>(stored.b) << stored.ui1 << stored.str;
        ar.Write(static_cast<const RECT*>(&stored.rc), 16);
        ar.Write(static_cast<const SIZE*>(&stored.sz), 8);
        ar.WriteCount(3);
        ar.Write(block, 3);
        ar.Close();
    }
    EXPECT_EQ(file.GetLength(), plain.GetLength());
    file.SeekToBegin();
    Values loaded;
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    loaded.Exchange(&px);
    ExpectSame(stored, loaded);
    BYTE* pBlock = nullptr;
    DWORD nBlock = 0;
    ASSERT_TRUE(PX_Blob(&px, L"Blob", pBlock, nBlock));
    ASSERT_EQ(nBlock, 3u);
    EXPECT_EQ(pBlock[2], 3);
    free(pBlock);
}

TEST(PropExchangeArchive, BlockLongerThanTheBytesLeftThrows)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteCount(0x7FFFFFF0);
        ar << 1 << 2;
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    BYTE* pBlock = nullptr;
    DWORD nBlock = 0;
    bool thrown = false;
    try
    {
        PX_Blob(&px, L"Blob", pBlock, nBlock);
    }
    catch (CArchiveException* e)
    {
        thrown = e->m_cause == CArchiveException::endOfFile;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(pBlock, nullptr);
}

TEST(PropExchangeText, BlocksBecomeLettersAndBack)
{
    TextExchange store(FALSE);
    BYTE bytes[] = {0x00, 0x1F, 0xA5};
    BYTE* pData = bytes;
    DWORD n = 3;
    ASSERT_TRUE(store.ExchangeBlob(L"B", &pData, &n));
    EXPECT_EQ(store.texts[L"B"], L"AAPBFK");

    TextExchange load(TRUE);
    load.texts = store.texts;
    BYTE* pLoaded = nullptr;
    DWORD nLoaded = 0;
    ASSERT_TRUE(load.ExchangeBlob(L"B", &pLoaded, &nLoaded));
    ASSERT_EQ(nLoaded, 3u);
    EXPECT_EQ(pLoaded[2], 0xA5);
    free(pLoaded);

    BYTE small[2];
    BYTE* pSmall = small;
    DWORD nSmall = 2;
    EXPECT_FALSE(load.ExchangeBlob(L"B", &pSmall, &nSmall)) << "room for fewer bytes than stored";
    load.texts[L"Odd"] = L"AAP";
    EXPECT_FALSE(load.ExchangeBlob(L"Odd", &pSmall, &nSmall));
    EXPECT_TRUE(load.ExchangeBlob(L"Absent", &pSmall, &nSmall)) << "nothing stored changes nothing";
}
