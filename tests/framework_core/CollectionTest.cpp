#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <vector>

#include "Framework.h"

namespace {

template <class ARRAY>
std::vector<int> Contents(const ARRAY& a)
{
    std::vector<int> v;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        v.push_back(static_cast<int>(a[i]));
    return v;
}

std::vector<CString> Contents(const CStringList& list)
{
    std::vector<CString> v;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        v.push_back(list.GetNext(pos));
    return v;
}

} // namespace

TEST(CArray, Operations)
{
    CUIntArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(2), 1);
    const UINT zero = 0;
    a.InsertAt(0, zero);
    a.InsertAt(3, 9, 2);  // at the end
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 2, 9, 9}));
    a.RemoveAt(3, 2);
    a.SetAtGrow(5, 5);  // fills the gap with zeros
    EXPECT_EQ(Contents(a), (std::vector<int>{0, 1, 2, 0, 0, 5}));
    a.SetAt(3, 3);
    a.ElementAt(4) = 4;
    a[0] = 10;
    EXPECT_EQ(a.GetAt(3), 3u);
    EXPECT_EQ(a.GetData()[4], 4u);

    CUIntArray b;
    b.Copy(a);
    EXPECT_EQ(b.Append(a), 6);
    EXPECT_EQ(b.Append(b), 12);  // appending itself doubles it
    EXPECT_EQ(b.GetCount(), 24);
    b.InsertAt(1, &a);
    EXPECT_EQ(b.GetSize(), 30);
    EXPECT_EQ(b[1], 10u);
    b.SetSize(2);
    EXPECT_EQ(Contents(b), (std::vector<int>{10, 10}));
    b.RemoveAll();
    EXPECT_EQ(b.GetSize(), 0);
}

TEST(CArray, RejectsIndexesOutside)
{
    CStringArray a;
    a.Add(L"x");
    auto expectInvalid = [](auto action) {
        try {
            action();
            ADD_FAILURE() << "no exception";
        } catch (CException* e) {
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
            e->Delete();
        }
    };
    expectInvalid([&] { a.GetAt(1); });
    expectInvalid([&] { a.GetAt(-1); });
    expectInvalid([&] { a.SetAt(1, L"y"); });
    expectInvalid([&] { a.RemoveAt(0, 2); });
    expectInvalid([&] { a.SetSize(-1); });
    expectInvalid([&] { a.SetAtGrow(-1, L"y"); });
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], L"x");

    // SetAtGrow with an element of the array itself.
    a.SetAtGrow(3, a[0]);
    EXPECT_EQ(a[3], L"x");
}

TEST(CMap, GrowsAndKeepsLookupsRight)
{
    CMap<int, int, int, int> map;
    const int count = 200000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i)
        map[i * 16] = i;  // keys in steps, like cell indexes
    for (int i = 0; i < count; ++i) {
        int value = -1;
        ASSERT_TRUE(map.Lookup(i * 16, value)) << i;
        ASSERT_EQ(value, i);
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(map.GetCount(), count);
    EXPECT_GE(map.GetHashTableSize(), static_cast<UINT>(count));
    // A quadratic table needs minutes here; a growing one well under a second.
    EXPECT_LT(seconds, 5.0);
    int value;
    EXPECT_FALSE(map.Lookup(8, value));

    for (int i = 0; i < count; i += 2)
        ASSERT_TRUE(map.RemoveKey(i * 16));
    EXPECT_FALSE(map.RemoveKey(0));
    EXPECT_EQ(map.GetCount(), count / 2);

    // Iteration visits every entry once.
    std::map<int, int> seen;
    POSITION pos = map.GetStartPosition();
    while (pos) {
        int key, v;
        map.GetNextAssoc(pos, key, v);
        ++seen[key];
        ASSERT_EQ(key, v * 16);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(count / 2));
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CMap, StringAndPointerMaps)
{
    CMapStringToString names;
    names.InitHashTable(7);
    for (int i = 0; i < 1000; ++i) {
        CString key;
        key.Format(L"key%d", i);
        names.SetAt(key, key + L"!");
    }
    CString value;
    ASSERT_TRUE(names.Lookup(L"key999", value));
    EXPECT_EQ(value, L"key999!");
    EXPECT_FALSE(names.Lookup(L"KEY999", value));
    names[L"key1"] = L"changed";
    EXPECT_EQ(names[L"key1"], L"changed");
    EXPECT_EQ(names.GetCount(), 1000);
    names[L"new"];  // operator[] inserts an empty value
    EXPECT_EQ(names.GetCount(), 1001);

    int a = 1, b = 2;
    CMapPtrToPtr pointers;
    pointers.SetAt(&a, &b);
    void* found = nullptr;
    ASSERT_TRUE(pointers.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(pointers.Lookup(&b, found));

    CMapStringToPtr byName;
    byName[L"a"] = &a;
    POSITION pos = byName.GetStartPosition();
    CString key;
    void* ptr;
    byName.GetNextAssoc(pos, key, ptr);
    EXPECT_EQ(key, L"a");
    EXPECT_EQ(ptr, &a);
    EXPECT_EQ(pos, nullptr);

    CMapWordToPtr words;
    words[7] = &b;
    CMapPtrToWord back;
    back[&b] = 7;
    WORD w = 0;
    EXPECT_TRUE(back.Lookup(words[7], w));
    EXPECT_EQ(w, 7);
}

TEST(CList, Operations)
{
    CStringList list;
    POSITION b = list.AddTail(L"b");
    list.AddHead(L"a");
    POSITION d = list.AddTail(L"d");
    list.InsertBefore(d, L"c");
    list.InsertAfter(d, L"e");
    EXPECT_EQ(Contents(list), (std::vector<CString>{L"a", L"b", L"c", L"d", L"e"}));
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.Find(L"c"), list.FindIndex(2));
    EXPECT_EQ(list.Find(L"b", b), nullptr);
    EXPECT_EQ(list.FindIndex(5), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.SetAt(b, L"B");
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), L"B");
    list.RemoveAt(list.Find(L"c"));
    EXPECT_EQ(list.RemoveHead(), L"a");
    EXPECT_EQ(list.RemoveTail(), L"e");
    EXPECT_EQ(Contents(list), (std::vector<CString>{L"B", L"d"}));

    // Backwards.
    std::vector<CString> reversed;
    for (POSITION pos = list.GetTailPosition(); pos;)
        reversed.push_back(list.GetPrev(pos));
    EXPECT_EQ(reversed, (std::vector<CString>{L"d", L"B"}));

    CStringList other;
    other.AddTail(L"x");
    other.AddTail(L"y");
    list.AddHead(&other);
    list.AddTail(&list);  // the list itself, once
    EXPECT_EQ(Contents(list), (std::vector<CString>{L"x", L"y", L"B", L"d", L"x", L"y", L"B", L"d"}));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    try {
        list.RemoveHead();
        FAIL();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
        e->Delete();
    }

    CPtrList pointers;
    int x = 0;
    pointers.AddTail(&x);
    EXPECT_NE(pointers.Find(&x), nullptr);
    EXPECT_EQ(pointers.GetHead(), &x);
}
