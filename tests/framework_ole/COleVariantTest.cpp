#include <gtest/gtest.h>

#include "COleDateTime.h"
#include "COleException.h"
#include "COleVariant.h"
#include "RecordingDispatch.h"

namespace {

TEST(OleVariant, ConstructorsGiveTheirTypes)
{
    struct Case {
        COleVariant v;
        VARTYPE vt;
    };
    const Case cases[] = {
        {COleVariant(), VT_EMPTY},
        {COleVariant(L"text"), VT_BSTR},
        {COleVariant(static_cast<LPCTSTR>(nullptr)), VT_BSTR},
        {COleVariant(CString(L"text")), VT_BSTR},
        {COleVariant(5L), VT_I4},
        {COleVariant(5), VT_I4},
        {COleVariant(1L, VT_BOOL), VT_BOOL},
        {COleVariant(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR), VT_ERROR},
        {COleVariant(static_cast<short>(3)), VT_I2},
        {COleVariant(static_cast<BYTE>(3)), VT_UI1},
        {COleVariant(2.5), VT_R8},
        {COleVariant(2.5f), VT_R4},
        {COleVariant(COleDateTime(2024, 3, 1, 0, 0, 0)), VT_DATE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.v.vt, c.vt);
    EXPECT_EQ(COleVariant(7L, VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(SysStringLen(COleVariant(static_cast<LPCTSTR>(nullptr)).bstrVal), 0u);
    // A text with an embedded zero keeps its full length.
    CString withZero(L"a\0b", 3);
    EXPECT_EQ(SysStringLen(COleVariant(withZero).bstrVal), 3u);
}

TEST(OleVariant, CopiesAreDeepAndEqual)
{
    COleVariant a(L"calendar");
    COleVariant b(a);
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_TRUE(a == b);
    b = L"other";
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(COleVariant(1L) == COleVariant(static_cast<short>(1))); // type differs
    EXPECT_TRUE(COleVariant(1L) == COleVariant(1L));
    a = a;
    EXPECT_TRUE(a == COleVariant(L"calendar"));
}

TEST(OleVariant, AssignmentKeepsBooleanAndErrorKinds)
{
    COleVariant flag(0L, VT_BOOL);
    flag = 5L;
    EXPECT_EQ(flag.vt, VT_BOOL);
    EXPECT_EQ(flag.boolVal, VARIANT_TRUE);
    COleVariant text(L"x");
    text = 5L;
    EXPECT_EQ(text.vt, VT_I4);
    EXPECT_EQ(text.lVal, 5);
}

TEST(OleVariant, ChangeTypeConvertsOrThrowsAndKeepsTheValue)
{
    COleVariant v(42L);
    v.ChangeType(VT_BSTR);
    EXPECT_TRUE(v == COleVariant(L"42"));
    COleVariant target;
    target.ChangeType(VT_I4, &v);
    EXPECT_TRUE(target == COleVariant(42L));

    COleVariant bad(L"abc");
    try {
        bad.ChangeType(VT_I4);
        FAIL() << "no exception";
    } catch (COleException* e) {
        EXPECT_EQ(e->m_sc, DISP_E_TYPEMISMATCH);
        e->Delete();
    }
    EXPECT_TRUE(bad == COleVariant(L"abc"));
}

TEST(OleVariant, AttachDetachAndObjectReferences)
{
    RecordingDispatch object;
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_DISPATCH;
    raw.pdispVal = &object;
    object.AddRef();
    {
        COleVariant v;
        v.Attach(raw);
        EXPECT_EQ(raw.vt, VT_EMPTY);
        EXPECT_EQ(object.refs, 2);
        COleVariant copy(v);
        EXPECT_EQ(object.refs, 3);
        VARIANT out = copy.Detach();
        EXPECT_EQ(copy.vt, VT_EMPTY);
        EXPECT_EQ(object.refs, 3);
        VariantClear(&out);
        EXPECT_EQ(object.refs, 2);
    }
    EXPECT_EQ(object.refs, 1);
}

} // namespace
