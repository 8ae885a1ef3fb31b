#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <functional>
#include <memory>

#include "Framework.h"

namespace {

class CNode : public CObject
{
    DECLARE_SERIAL(CNode)
public:
    CString m_name;
    CNode* m_pPeer = nullptr; // not owned
    CObArray m_children;       // owned

    ~CNode() override
    {
        for (INT_PTR i = 0; i < m_children.GetSize(); ++i)
            delete m_children[i];
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name << m_pPeer;
        else
            ar >> m_name >> m_pPeer;
        m_children.Serialize(ar);
    }
};
IMPLEMENT_SERIAL(CNode, CObject, 1)

class CVersioned : public CObject
{
    DECLARE_SERIAL(CVersioned)
public:
    UINT m_loadedSchema = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_loadedSchema = ar.GetObjectSchema();
    }
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 3)

// Storing archive on a memory file; Load() gives a loading archive on its bytes.
class ArchiveFixture : public ::testing::Test
{
protected:
    CMemFile m_file;
    std::unique_ptr<CArchive> m_store = std::make_unique<CArchive>(&m_file, CArchive::store, 64);
    std::unique_ptr<CArchive> m_load;

    CArchive& Load()
    {
        m_store->Close();
        m_file.SeekToBegin();
        m_load = std::make_unique<CArchive>(&m_file, CArchive::load, 64);
        return *m_load;
    }
    static int ArchiveCause(const std::function<void()>& action)
    {
        try {
            action();
        } catch (CArchiveException* e) {
            int cause = e->m_cause;
            e->Delete();
            return cause;
        }
        return -1;
    }
};

} // namespace

TEST_F(ArchiveFixture, RoundTripsEveryValueType)
{
    CArchive& ar = *m_store;
    EXPECT_TRUE(ar.IsStoring());
    ar << static_cast<BYTE>(0xAB) << static_cast<WORD>(0xBEEF) << static_cast<LONG>(-123456)
       << static_cast<DWORD>(0xDEADBEEF) << -7 << 4000000000u << static_cast<short>(-300) << true << false
       << 1.25f << DBL_MAX << LLONG_MIN << ULLONG_MAX << 'c' << L'\u20ac';
    ar << CString(L"Gr\u00fc\u00dfe \u20ac \U0001F600") << CString() << CStringA("narrow") << L"literal";
    CString longText(L'\u00e9', 70000);
    ar << longText;
    ar.WriteCount(5);
    ar.WriteCount(0x12345);
    ar.Write("raw", 3);

    CArchive& in = Load();
    EXPECT_TRUE(in.IsLoading());
    BYTE by; WORD w; LONG l; DWORD dw; int i; UINT u; short s; bool t, f; float fl; double d;
    LONGLONG ll; ULONGLONG ull; char c; wchar_t wc;
    in >> by >> w >> l >> dw >> i >> u >> s >> t >> f >> fl >> d >> ll >> ull >> c >> wc;
    EXPECT_EQ(by, 0xAB);
    EXPECT_EQ(w, 0xBEEF);
    EXPECT_EQ(l, -123456);
    EXPECT_EQ(dw, 0xDEADBEEFu);
    EXPECT_EQ(i, -7);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(s, -300);
    EXPECT_TRUE(t);
    EXPECT_FALSE(f);
    EXPECT_EQ(fl, 1.25f);
    EXPECT_EQ(d, DBL_MAX);
    EXPECT_EQ(ll, LLONG_MIN);
    EXPECT_EQ(ull, ULLONG_MAX);
    EXPECT_EQ(c, 'c');
    EXPECT_EQ(wc, L'\u20ac');
    CString s1, s2, s4, s5;
    CStringA s3;
    in >> s1 >> s2 >> s3 >> s4 >> s5;
    EXPECT_EQ(s1, L"Gr\u00fc\u00dfe \u20ac \U0001F600");
    EXPECT_TRUE(s2.IsEmpty());
    EXPECT_EQ(s3, "narrow");
    EXPECT_EQ(s4, L"literal");
    EXPECT_EQ(s5, longText);
    EXPECT_EQ(in.ReadCount(), 5u);
    EXPECT_EQ(in.ReadCount(), 0x12345u);
    char raw[4] = {};
    EXPECT_EQ(in.Read(raw, 4), 3u);
    EXPECT_STREQ(raw, "raw");
}

TEST_F(ArchiveFixture, StringLayoutIsLengthPrefixed)
{
    *m_store << CString(L"ab") << CStringA("xy");
    m_store->Close();
    ULONGLONG length = m_file.GetLength();
    BYTE* bytes = m_file.Detach();
    const BYTE expected[] = {0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b', 0, 2, 'x', 'y'};
    ASSERT_EQ(length, sizeof expected);
    EXPECT_EQ(memcmp(bytes, expected, sizeof expected), 0);
    free(bytes);
}

TEST_F(ArchiveFixture, ObjectsKeepClassesAndSharing)
{
    auto* root = new CNode;
    root->m_name = L"r\u00f6\u00f6t";
    auto* left = new CNode;
    left->m_name = L"left";
    auto* right = new CNode;
    right->m_name = L"right";
    left->m_pPeer = right;
    right->m_pPeer = root;  // back to an object still being written
    root->m_children.Add(left);
    root->m_children.Add(right);
    std::unique_ptr<CNode> original(root);
    CVersioned versioned;

    *m_store << root << static_cast<CObject*>(nullptr) << root << &versioned;

    CArchive& in = Load();
    CNode* loaded = nullptr;
    CObject* null = reinterpret_cast<CObject*>(1);
    CNode* again = nullptr;
    CVersioned* v = nullptr;
    in >> loaded >> null >> again;
    std::unique_ptr<CNode> owner(loaded);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(null, nullptr);
    EXPECT_EQ(again, loaded);  // the same object, not a copy
    EXPECT_EQ(loaded->m_name, L"r\u00f6\u00f6t");
    ASSERT_EQ(loaded->m_children.GetSize(), 2);
    auto* l = static_cast<CNode*>(loaded->m_children[0]);
    auto* r = static_cast<CNode*>(loaded->m_children[1]);
    EXPECT_EQ(l->m_name, L"left");
    EXPECT_EQ(l->m_pPeer, r);
    EXPECT_EQ(r->m_pPeer, loaded);
    in >> v;
    std::unique_ptr<CVersioned> vOwner(v);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->m_loadedSchema, 3u);
}

TEST_F(ArchiveFixture, ReadingPastTheEndThrows)
{
    *m_store << static_cast<WORD>(1) << CString(L"truncated text");
    m_store->Close();
    // Cut the string short.
    m_file.SetLength(m_file.GetLength() - 3);
    m_file.SeekToBegin();
    CArchive in(&m_file, CArchive::load);
    WORD w;
    in >> w;
    CString s;
    EXPECT_EQ(ArchiveCause([&] { in >> s; }), CArchiveException::endOfFile);
    DWORD dw;
    EXPECT_EQ(ArchiveCause([&] { in >> dw; }), CArchiveException::endOfFile);
}

TEST_F(ArchiveFixture, DamagedLengthsAndCountsDoNotAllocateBlindly)
{
    // A string claiming 0x7FFFFFF0 characters, followed by nothing.
    *m_store << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(0x7FFFFFF0);
    CArchive& in = Load();
    CString s;
    EXPECT_EQ(ArchiveCause([&] { in >> s; }), CArchiveException::endOfFile);
}

TEST_F(ArchiveFixture, BadClassReferencesThrow)
{
    struct Case
    {
        const char* what;
        std::function<void(CArchive&)> write;
        int cause;
    } cases[] = {
        {"unknown class",
         [](CArchive& ar) {
             ar << static_cast<WORD>(0xFFFF) << static_cast<WORD>(1) << static_cast<WORD>(6);
             ar.Write("CNoone", 6);
         },
         CArchiveException::badClass},
        {"other schema",
         [](CArchive& ar) {
             ar << static_cast<WORD>(0xFFFF) << static_cast<WORD>(2) << static_cast<WORD>(5);
             ar.Write("CNode", 5);
         },
         CArchiveException::badSchema},
        {"class index never defined", [](CArchive& ar) { ar << static_cast<WORD>(0x8005); },
         CArchiveException::badIndex},
        {"object index never defined", [](CArchive& ar) { ar << static_cast<WORD>(3); },
         CArchiveException::badIndex},
        {"unexpected class",
         [](CArchive& ar) {
             CVersioned v;
             ar << &v;
         },
         CArchiveException::badClass},
        {"nothing at all", [](CArchive&) {}, CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        CMemFile file;
        {
            CArchive out(&file, CArchive::store);
            c.write(out);
        }
        file.SeekToBegin();
        CArchive in(&file, CArchive::load);
        CNode* node = nullptr;
        EXPECT_EQ(ArchiveCause([&] { in >> node; }), c.cause) << c.what;
        EXPECT_EQ(node, nullptr) << c.what;
    }
}

TEST_F(ArchiveFixture, WrongDirectionThrows)
{
    BYTE b;
    EXPECT_EQ(ArchiveCause([&] { *m_store >> b; }), CArchiveException::writeOnly);
    CFileException notSerializable;
    EXPECT_EQ(ArchiveCause([&] { *m_store << &notSerializable; }), CArchiveException::badClass);
    CArchive& in = Load();
    EXPECT_EQ(ArchiveCause([&] { in << b; }), CArchiveException::readOnly);
}

TEST_F(ArchiveFixture, CollectionsSerialize)
{
    CStringArray strings;
    strings.Add(L"\u00e4");
    strings.Add(L"b");
    CDWordArray numbers;
    for (DWORD i = 0; i < 5000; ++i)
        numbers.Add(i * 3);
    CMapStringToString map;
    map[L"k"] = L"v";
    map[L"k2"] = L"v2";
    CStringList list;
    list.AddTail(L"one");
    list.AddTail(L"two");
    strings.Serialize(*m_store);
    numbers.Serialize(*m_store);
    map.Serialize(*m_store);
    list.Serialize(*m_store);

    CArchive& in = Load();
    CStringArray strings2;
    CDWordArray numbers2;
    CMapStringToString map2;
    CStringList list2;
    strings2.Serialize(in);
    numbers2.Serialize(in);
    map2.Serialize(in);
    list2.Serialize(in);
    ASSERT_EQ(strings2.GetSize(), 2);
    EXPECT_EQ(strings2[0], L"\u00e4");
    ASSERT_EQ(numbers2.GetSize(), 5000);
    EXPECT_EQ(numbers2[4999], 4999u * 3);
    CString v;
    EXPECT_TRUE(map2.Lookup(L"k2", v));
    EXPECT_EQ(v, L"v2");
    EXPECT_EQ(map2.GetCount(), 2);
    EXPECT_EQ(list2.GetTail(), L"two");
}

namespace {
// A plain struct that converts to a pointer, like the framework's rectangles.
struct Box
{
    RECT rect;
    operator const RECT*() const { return &rect; }
};
} // namespace

TEST_F(ArchiveFixture, PlainStructsAreStoredAsBytes)
{
    CArray<Box, const Box&> boxes;
    boxes.Add(Box{{1, 2, 3, 4}});
    boxes.Add(Box{{-5, 6, 70000, 8}});
    boxes.Serialize(*m_store);
    CArchive& in = Load();
    CArray<Box, const Box&> loaded;
    loaded.Serialize(in);
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded[1].rect.left, -5);
    EXPECT_EQ(loaded[1].rect.right, 70000);
    EXPECT_TRUE(in.IsBufferEmpty());
}

TEST(CArchive, BuffersThroughADiskFile)
{
    CString path = CString(ORBALIN_TEST_OUTPUT_DIR) + L"\\framework_core_archive.bin";
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        for (int i = 0; i < 10000; ++i)
            ar << i;
        ar << CString(L'z', 9000);  // larger than the buffer
        // The destructor writes what is left.
    }
    CFile file(path, CFile::modeRead);
    EXPECT_EQ(file.GetLength(), 10000u * 4 + 1 + 2 + 1 + 2 + 18000);
    CArchive ar(&file, CArchive::load);
    for (int i = 0; i < 10000; ++i) {
        int v;
        ar >> v;
        ASSERT_EQ(v, i);
    }
    CString s;
    ar >> s;
    EXPECT_EQ(s.GetLength(), 9000);
    EXPECT_EQ(ar.GetFile(), &file);
}
