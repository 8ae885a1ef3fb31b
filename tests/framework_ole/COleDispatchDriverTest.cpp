#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "COleDispatchDriver.h"
#include "COleDispatchException.h"
#include "COleException.h"
#include "COleThreadScope.h"
#include "CWorkerThread.h"
#include "RecordingDispatch.h"

namespace {

class DispatchDriverTest : public ::testing::Test {
protected:
    COleThreadScope ole;
    RecordingDispatch server;
    COleDispatchDriver driver;

    void SetUp() override
    {
        ASSERT_TRUE(ole.Succeeded());
        server.AddRef(); // the driver's reference
        driver.AttachDispatch(&server);
    }
    void TearDown() override { driver.ReleaseDispatch(); }
};

// --- arguments -------------------------------------------------------------

struct ArgumentCase {
    const char* name;
    std::function<void(COleDispatchDriver&)> call;
    std::vector<COleVariant> expected; // in the caller's order
};

TEST_F(DispatchDriverTest, PassesArgumentsOfEveryVtsKindInReverseOrder)
{
    RecordingDispatch other;
    COleVariant text(L"x");
    CY money;
    money.int64 = 123456;
    COleVariant cy;
    cy.vt = VT_CY;
    cy.cyVal = money;
    COleVariant missing(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR);
    COleVariant date;
    date.vt = VT_DATE;
    date.date = -1.25;
    COleVariant otherObject;
    otherObject.vt = VT_DISPATCH;
    otherObject.pdispVal = &other;
    other.AddRef(); // released by otherObject
    COleVariant otherUnknown;
    otherUnknown.vt = VT_UNKNOWN;
    otherUnknown.punkVal = &other;
    other.AddRef();

    {
        const std::vector<ArgumentCase> cases = {
            {"none", [](COleDispatchDriver& d) {
                 d.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, reinterpret_cast<const BYTE*>(VTS_NONE));
             }, {}},
            {"null list", [](COleDispatchDriver& d) {
                 d.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
             }, {}},
            {"I2 I4 UI1", [](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_I2 VTS_I4 VTS_UI1;
                 d.InvokeHelper(2, DISPATCH_METHOD, VT_EMPTY, nullptr, p, static_cast<short>(-7), 70000L,
                                static_cast<BYTE>(200));
             }, {COleVariant(static_cast<short>(-7)), COleVariant(70000L), COleVariant(static_cast<BYTE>(200))}},
            {"R4 R8", [](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_R4 VTS_R8;
                 d.InvokeHelper(3, DISPATCH_METHOD, VT_EMPTY, nullptr, p, 1.5f, 2.25);
             }, {COleVariant(1.5f), COleVariant(2.25)}},
            {"BSTR BOOL BOOL", [](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_BSTR VTS_BOOL VTS_BOOL;
                 d.InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, p, L"abc", TRUE, FALSE);
             }, {COleVariant(L"abc"), COleVariant(1L, VT_BOOL), COleVariant(0L, VT_BOOL)}},
            {"null BSTR is empty text", [](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_BSTR;
                 d.InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, p, static_cast<LPCTSTR>(nullptr));
             }, {COleVariant(L"")}},
            {"DATE CY SCODE", [money](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_DATE VTS_CY VTS_SCODE;
                 d.InvokeHelper(5, DISPATCH_METHOD, VT_EMPTY, nullptr, p, -1.25, money, static_cast<SCODE>(E_FAIL));
             }, {date, cy, COleVariant(static_cast<long>(E_FAIL), VT_ERROR)}},
            {"VARIANT and missing VARIANT", [&text](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_VARIANT VTS_VARIANT;
                 d.InvokeHelper(6, DISPATCH_METHOD, VT_EMPTY, nullptr, p, static_cast<const VARIANT*>(&text),
                                static_cast<const VARIANT*>(nullptr));
             }, {text, missing}},
            {"DISPATCH UNKNOWN", [&other](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_DISPATCH VTS_UNKNOWN;
                 d.InvokeHelper(7, DISPATCH_METHOD, VT_EMPTY, nullptr, p, static_cast<LPDISPATCH>(&other),
                                static_cast<LPUNKNOWN>(&other));
             }, {otherObject, otherUnknown}},
            {"six VARIANTs", [](COleDispatchDriver& d) {
                 static const BYTE p[] = VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT;
                 COleVariant profile(L""), zero(0L), one(1L);
                 d.InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, p, &profile, &zero, &zero, &one, &zero, &zero);
             }, {COleVariant(L""), COleVariant(0L), COleVariant(0L), COleVariant(1L), COleVariant(0L), COleVariant(0L)}},
        };
        for (const ArgumentCase& c : cases) {
            SCOPED_TRACE(c.name);
            c.call(driver);
            ASSERT_EQ(server.args.size(), c.expected.size());
            for (size_t i = 0; i < c.expected.size(); ++i) {
                SCOPED_TRACE("argument " + std::to_string(i));
                const COleVariant& received = server.args[c.expected.size() - 1 - i];
                EXPECT_EQ(received.vt, c.expected[i].vt);
                EXPECT_TRUE(received == c.expected[i]);
            }
            EXPECT_EQ(server.flags, DISPATCH_METHOD);
            EXPECT_TRUE(server.named.empty());
            EXPECT_FALSE(server.resultRequested);
        }
    }
    // Object arguments are lent for the call: no reference is kept or lost.
    server.args.clear();
    EXPECT_EQ(other.refs, 3); // own, otherObject, otherUnknown
}

TEST_F(DispatchDriverTest, ByReferenceArgumentsLetTheServerWriteBack)
{
    server.onInvoke = [](DISPPARAMS* params) {
        // Caller order: PI2, PI4, PBSTR, PBOOL, PVARIANT, PDISPATCH; rgvarg is reversed.
        ASSERT_EQ(params->cArgs, 6u);
        VARIANT* a = params->rgvarg;
        ASSERT_EQ(a[5].vt, VT_BYREF | VT_I2);
        ASSERT_EQ(a[4].vt, VT_BYREF | VT_I4);
        ASSERT_EQ(a[3].vt, VT_BYREF | VT_BSTR);
        ASSERT_EQ(a[2].vt, VT_BYREF | VT_BOOL);
        ASSERT_EQ(a[1].vt, VT_BYREF | VT_VARIANT);
        ASSERT_EQ(a[0].vt, VT_BYREF | VT_DISPATCH);
        *a[5].piVal = 12;
        *a[4].plVal = 345678;
        SysFreeString(*a[3].pbstrVal);
        *a[3].pbstrVal = SysAllocString(L"written");
        *a[2].pboolVal = VARIANT_TRUE;
        a[1].pvarVal->vt = VT_I4;
        a[1].pvarVal->lVal = 9;
        *a[0].ppdispVal = nullptr;
    };
    static const BYTE p[] = VTS_PI2 VTS_PI4 VTS_PBSTR VTS_PBOOL VTS_PVARIANT VTS_PDISPATCH;
    short s = 0;
    long l = 0;
    BSTR b = SysAllocString(L"before");
    VARIANT_BOOL flag = VARIANT_FALSE;
    COleVariant v;
    LPDISPATCH object = &server;
    driver.InvokeHelper(8, DISPATCH_METHOD, VT_EMPTY, nullptr, p, &s, &l, &b, &flag, static_cast<VARIANT*>(&v),
                        &object);
    EXPECT_EQ(s, 12);
    EXPECT_EQ(l, 345678);
    EXPECT_STREQ(b, L"written");
    EXPECT_EQ(flag, VARIANT_TRUE);
    EXPECT_TRUE(v == COleVariant(9L));
    EXPECT_EQ(object, nullptr);
    SysFreeString(b);
}

TEST_F(DispatchDriverTest, PropertyPutNamesItsArgumentAndGetHasNone)
{
    driver.SetProperty(0x40, VT_BSTR, L"someone@example.com");
    EXPECT_EQ(server.dispid, 0x40);
    EXPECT_EQ(server.flags, DISPATCH_PROPERTYPUT);
    ASSERT_EQ(server.named.size(), 1u);
    EXPECT_EQ(server.named[0], DISPID_PROPERTYPUT);
    ASSERT_EQ(server.args.size(), 1u);
    EXPECT_TRUE(server.args[0] == COleVariant(L"someone@example.com"));

    driver.SetProperty(0x41, VT_BOOL, TRUE);
    ASSERT_EQ(server.args.size(), 1u);
    EXPECT_TRUE(server.args[0] == COleVariant(1L, VT_BOOL));

    driver.SetProperty(0x6004000A, VT_DATE, 45351.5);
    EXPECT_EQ(server.dispid, 0x6004000A);
    ASSERT_EQ(server.args.size(), 1u);
    EXPECT_EQ(server.args[0].vt, VT_DATE);
    EXPECT_EQ(server.args[0].date, 45351.5);

    RecordingDispatch other;
    driver.SetProperty(3, VT_DISPATCH, static_cast<LPDISPATCH>(&other));
    EXPECT_EQ(server.flags, DISPATCH_PROPERTYPUTREF);
    ASSERT_EQ(server.named.size(), 1u);
    EXPECT_EQ(server.named[0], DISPID_PROPERTYPUT);
    server.args.clear();

    // A put through InvokeHelper is named the same way.
    static const BYTE p[] = VTS_BSTR;
    driver.InvokeHelper(0, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, p, L"Subject");
    ASSERT_EQ(server.named.size(), 1u);
    EXPECT_EQ(server.named[0], DISPID_PROPERTYPUT);

    server.SetResult(COleVariant(L"Inbox"));
    CString name;
    driver.GetProperty(0, VT_BSTR, &name);
    EXPECT_EQ(server.flags, DISPATCH_PROPERTYGET);
    EXPECT_TRUE(server.named.empty());
    EXPECT_TRUE(server.args.empty());
    EXPECT_TRUE(server.resultRequested);
    EXPECT_EQ(name, L"Inbox");
}

// --- results ---------------------------------------------------------------

TEST_F(DispatchDriverTest, ConvertsResultsToTheRequestedType)
{
    auto get = [&](const VARIANT& answer, VARTYPE vtRet, void* out) {
        server.SetResult(answer);
        driver.InvokeHelper(1, DISPATCH_PROPERTYGET, vtRet, out, nullptr);
    };
    long l = 0;
    get(COleVariant(5L), VT_I4, &l);
    EXPECT_EQ(l, 5);
    get(COleVariant(L"42"), VT_I4, &l);
    EXPECT_EQ(l, 42);
    short s = 0;
    get(COleVariant(7L), VT_I2, &s);
    EXPECT_EQ(s, 7);
    BOOL b = FALSE;
    get(COleVariant(1L, VT_BOOL), VT_BOOL, &b);
    EXPECT_EQ(b, TRUE);
    get(COleVariant(0L), VT_BOOL, &b);
    EXPECT_EQ(b, FALSE);
    CString text;
    get(COleVariant(L"hello"), VT_BSTR, &text);
    EXPECT_EQ(text, L"hello");
    get(COleVariant(12L), VT_BSTR, &text);
    EXPECT_EQ(text, L"12");
    get(COleVariant(), VT_BSTR, &text);
    EXPECT_EQ(text, L"");
    text = L"old";
    VARIANT nullText;
    VariantInit(&nullText);
    nullText.vt = VT_BSTR;
    nullText.bstrVal = nullptr; // a null BSTR is an empty text
    get(nullText, VT_BSTR, &text);
    EXPECT_EQ(text, L"");
    double d = 0;
    get(COleVariant(2.5f), VT_R8, &d);
    EXPECT_EQ(d, 2.5);
    COleVariant date;
    date.vt = VT_DATE;
    date.date = -1.25;
    DATE dt = 0;
    get(date, VT_DATE, &dt);
    EXPECT_EQ(dt, -1.25);
    VARIANT any;
    VariantInit(&any);
    get(COleVariant(L"as is"), VT_VARIANT, &any);
    EXPECT_TRUE(COleVariant(L"as is") == any);
    VariantClear(&any);
}

TEST_F(DispatchDriverTest, ObjectResultsBelongToTheCallerAndNoObjectIsNull)
{
    RecordingDispatch child;
    COleVariant answer;
    answer.vt = VT_DISPATCH;
    answer.pdispVal = &child;
    child.AddRef();
    server.SetResult(answer);
    answer.Clear();
    LPDISPATCH result = nullptr;
    driver.InvokeHelper(5, DISPATCH_METHOD, VT_DISPATCH, &result, nullptr);
    EXPECT_EQ(result, &child);
    EXPECT_EQ(child.refs, 3); // own, the server's stored result, the caller's
    {
        COleDispatchDriver folder;
        folder.AttachDispatch(result);
    }
    EXPECT_EQ(child.refs, 2);
    VariantClear(&server.result);
    EXPECT_EQ(child.refs, 1);

    // GetFirst/GetNext at the end of a collection: empty or null, no object.
    for (VARTYPE none : {VT_EMPTY, VT_NULL}) {
        VARIANT v;
        VariantInit(&v);
        v.vt = none;
        server.SetResult(v);
        result = &child;
        driver.InvokeHelper(7, DISPATCH_METHOD, VT_DISPATCH, &result, nullptr);
        EXPECT_EQ(result, nullptr);
    }
}

// --- failures --------------------------------------------------------------

TEST_F(DispatchDriverTest, ServerExceptionBecomesDispatchExceptionWithDescriptionAndScode)
{
    server.answer = DISP_E_EXCEPTION;
    server.errorDescription = L"Could not open the PST file";
    server.errorScode = static_cast<SCODE>(0x80040107);
    server.errorCode = 0;
    static const BYTE p[] = VTS_BSTR VTS_VARIANT VTS_VARIANT;
    COleVariant zero(0L);
    try {
        driver.InvokeHelper(5, DISPATCH_METHOD, VT_DISPATCH, nullptr, p, L"C:\\x.pst", &zero, &zero);
        FAIL() << "no exception";
    } catch (COleDispatchException* e) {
        EXPECT_EQ(e->m_strDescription, L"Could not open the PST file");
        EXPECT_EQ(e->m_scError, static_cast<SCODE>(0x80040107));
        EXPECT_EQ(e->m_wCode, 0);
        e->Delete();
    }
    server.errorCode = 1001;
    server.errorScode = 0;
    try {
        driver.InvokeHelper(6, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
        FAIL() << "no exception";
    } catch (COleDispatchException* e) {
        EXPECT_EQ(e->m_wCode, 1001);
        e->Delete();
    }
}

TEST_F(DispatchDriverTest, OtherFailuresBecomeOleExceptionsWithTheHresult)
{
    const HRESULT failures[] = {DISP_E_MEMBERNOTFOUND, DISP_E_TYPEMISMATCH, E_FAIL, RPC_E_WRONG_THREAD};
    for (HRESULT hr : failures) {
        server.answer = hr;
        long untouched = 77;
        try {
            driver.InvokeHelper(99, DISPATCH_PROPERTYGET, VT_I4, &untouched, nullptr);
            ADD_FAILURE() << "no exception for " << std::hex << hr;
        } catch (COleException* e) {
            EXPECT_EQ(e->m_sc, hr);
            e->Delete();
        }
        EXPECT_EQ(untouched, 77);
    }
    // A result that cannot become the requested type.
    server.answer = S_OK;
    server.SetResult(COleVariant(L"not a number"));
    long l = 0;
    try {
        driver.InvokeHelper(1, DISPATCH_PROPERTYGET, VT_I4, &l, nullptr);
        ADD_FAILURE() << "no exception";
    } catch (COleException* e) {
        EXPECT_EQ(e->m_sc, DISP_E_TYPEMISMATCH);
        e->Delete();
    }
}

// --- an empty driver, references --------------------------------------------

TEST(DispatchDriverEmpty, MakesNoCallAndLeavesTheResultAlone)
{
    COleDispatchDriver empty;
    static const BYTE p[] = VTS_BSTR VTS_I4;
    CString text(L"kept");
    empty.InvokeHelper(0xB, DISPATCH_PROPERTYGET, VT_BSTR, &text, nullptr);
    EXPECT_EQ(text, L"kept");
    LPDISPATCH object = reinterpret_cast<LPDISPATCH>(0x1234);
    empty.InvokeHelper(6, DISPATCH_METHOD, VT_DISPATCH, &object, p, L"x", 1L);
    EXPECT_EQ(object, reinterpret_cast<LPDISPATCH>(0x1234));
    BOOL loggedOn = FALSE;
    empty.GetProperty(2, VT_BOOL, &loggedOn);
    EXPECT_EQ(loggedOn, FALSE);
    empty.SetProperty(0xA, VT_BSTR, L"name");
    empty.ReleaseDispatch();
    EXPECT_EQ(empty.DetachDispatch(), nullptr);
}

TEST(DispatchDriverReferences, AttachCopyAssignDetachRelease)
{
    RecordingDispatch a, b;
    {
        COleDispatchDriver d;
        d.AttachDispatch(&a); // takes over the creator's reference
        EXPECT_EQ(a.refs, 1);
        {
            COleDispatchDriver copy(d);
            EXPECT_EQ(a.refs, 2);
            COleDispatchDriver assigned;
            assigned = d;
            EXPECT_EQ(a.refs, 3);
            assigned = assigned;
            EXPECT_EQ(a.refs, 3);
        }
        EXPECT_EQ(a.refs, 1);
        b.AddRef();
        d.AttachDispatch(&b); // the previous object is released
        EXPECT_EQ(a.refs, 0);
        EXPECT_EQ(b.refs, 2);
        LPDISPATCH detached = d.DetachDispatch();
        EXPECT_EQ(detached, &b);
        EXPECT_EQ(d.m_lpDispatch, nullptr);
        EXPECT_EQ(b.refs, 2);
        d.AttachDispatch(detached, FALSE); // not released by the driver
        d.ReleaseDispatch();
        EXPECT_EQ(b.refs, 2);
        d.AttachDispatch(detached);
    }
    EXPECT_EQ(b.refs, 1);
}

// --- creation --------------------------------------------------------------

TEST(DispatchDriverCreate, UnknownProgIdFailsWithOleException)
{
    COleThreadScope ole;
    COleDispatchDriver d;
    COleException error;
    EXPECT_FALSE(d.CreateDispatch(L"Orbalin.NoSuchObject.1", &error));
    EXPECT_EQ(error.m_sc, CO_E_CLASSSTRING);
    EXPECT_EQ(d.m_lpDispatch, nullptr);
    EXPECT_FALSE(d.CreateDispatch(L"Orbalin.NoSuchObject.1")); // no error object wanted
    const CLSID unregistered = {0x2f0e5c11, 0x8d1a, 0x4c55, {0x9a, 0x11, 0x42, 0x6f, 0x72, 0x62, 0x61, 0x6c}};
    EXPECT_FALSE(d.CreateDispatch(unregistered, &error));
    EXPECT_EQ(error.m_sc, REGDB_E_CLASSNOTREG);
}

TEST(DispatchDriverCreate, WithoutOleOnTheThreadFailsCleanly)
{
    HRESULT reported = S_OK;
    BOOL created = TRUE;
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([&] {
        COleDispatchDriver d;
        COleException error;
        CLSID clsid;
        created = SUCCEEDED(CLSIDFromProgID(L"Scripting.Dictionary", &clsid)) ? d.CreateDispatch(clsid, &error)
                                                                              : d.CreateDispatch(L"x.y", &error);
        reported = error.m_sc;
        return 0u;
    }));
    ASSERT_TRUE(worker.Join(10000));
    EXPECT_FALSE(created);
    EXPECT_TRUE(FAILED(reported));
}

TEST(DispatchDriverCreate, RealObjectOfTheWinePrefix)
{
    COleThreadScope ole;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"Scripting.Dictionary", &clsid)))
        GTEST_SKIP() << "Scripting.Dictionary is not registered";
    COleDispatchDriver dictionary;
    ASSERT_TRUE(dictionary.CreateDispatch(L"Scripting.Dictionary"));
    ASSERT_NE(dictionary.m_lpDispatch, nullptr);
    auto dispidOf = [&](const wchar_t* name) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID id = DISPID_UNKNOWN;
        EXPECT_EQ(dictionary.m_lpDispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
        return id;
    };
    const DISPID add = dispidOf(L"Add");
    const DISPID count = dispidOf(L"Count");
    const DISPID item = dispidOf(L"Item");
    static const BYTE pAdd[] = VTS_PVARIANT VTS_PVARIANT;
    COleVariant key(L"start"), value(L"2024-03-01");
    dictionary.InvokeHelper(add, DISPATCH_METHOD, VT_EMPTY, nullptr, pAdd, static_cast<VARIANT*>(&key),
                            static_cast<VARIANT*>(&value));
    long n = 0;
    dictionary.GetProperty(count, VT_I4, &n);
    EXPECT_EQ(n, 1);
    static const BYTE pItem[] = VTS_PVARIANT;
    CString stored;
    dictionary.InvokeHelper(item, DISPATCH_PROPERTYGET, VT_BSTR, &stored, pItem, static_cast<VARIANT*>(&key));
    EXPECT_EQ(stored, L"2024-03-01");
    // A second Add of the same key is refused by the object.
    EXPECT_ANY_THROW({
        try {
            dictionary.InvokeHelper(add, DISPATCH_METHOD, VT_EMPTY, nullptr, pAdd, static_cast<VARIANT*>(&key),
                                    static_cast<VARIANT*>(&value));
        } catch (CException* e) {
            e->Delete();
            throw;
        }
    });
}

} // namespace
