#include <gtest/gtest.h>

#include "CXTPAccessible.h"
#include "TipHostWindow.h"

#include <cstdlib>

namespace {

// A command target that answers accessibility through its CXTPAccessible part.
class AccessibleTarget : public CCmdTarget, public CXTPAccessible {
public:
    HRESULT QueryAccName(VARIANT varChild, BSTR* pszName) override
    {
        if (GetChildIndex(&varChild) != CHILDID_SELF)
            return E_INVALIDARG;
        *pszName = ::SysAllocString(L"Calendar bar");
        return S_OK;
    }
    HRESULT QueryAccRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        if (GetChildIndex(&varChild) != CHILDID_SELF)
            return E_INVALIDARG;
        pvarRole->vt = VT_I4;
        pvarRole->lVal = ROLE_SYSTEM_TOOLBAR;
        return S_OK;
    }
    CCmdTarget* AccIdentityTarget() override { return this; }
    IAccessible* Accessible() { return &m_xAccessible; }

    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(AccessibleTarget, CCmdTarget)
    INTERFACE_PART(AccessibleTarget, IID_IAccessible, Accessible)
    INTERFACE_PART(AccessibleTarget, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

// A window whose client object is the target.
class AccessibleWindow : public CWnd {
public:
    AccessibleWindow()
    {
        CreateEx(0, AfxRegisterWndClass(0), L"accessible", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0);
    }
    ~AccessibleWindow() override { DestroyWindow(); }
    AccessibleTarget* target = new AccessibleTarget;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT)
            return CXTPAccessible::LresultFromObject(IID_IAccessible, wParam, target->Accessible());
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

VARIANT ChildOf(VARTYPE vt)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = vt;
    return v;
}

} // namespace

TEST(Accessible, ChildIndexOfEveryForm)
{
    long value = 5;
    short shortValue = 7;
    VARIANT i4 = ChildOf(VT_I4);
    i4.lVal = 3;
    VARIANT bstr = ChildOf(VT_BSTR);
    VARIANT toI4 = ChildOf(VT_VARIANT | VT_BYREF);
    toI4.pvarVal = &i4;
    VARIANT toToI4 = ChildOf(VT_VARIANT | VT_BYREF);
    toToI4.pvarVal = &toI4;
    VARIANT toBstr = ChildOf(VT_VARIANT | VT_BYREF);
    toBstr.pvarVal = &bstr;
    VARIANT i2 = ChildOf(VT_I2);
    i2.iVal = 2;
    VARIANT byRefI4 = ChildOf(VT_I4 | VT_BYREF);
    byRefI4.plVal = &value;
    VARIANT byRefI2 = ChildOf(VT_I2 | VT_BYREF);
    byRefI2.piVal = &shortValue;
    VARIANT nullI4 = ChildOf(VT_I4 | VT_BYREF);
    nullI4.plVal = nullptr;
    VARIANT nullI2 = ChildOf(VT_I2 | VT_BYREF);
    nullI2.piVal = nullptr;
    VARIANT nullVariant = ChildOf(VT_VARIANT | VT_BYREF);
    nullVariant.pvarVal = nullptr;
    VARIANT self = ChildOf(VT_VARIANT | VT_BYREF);
    self.pvarVal = &self;   // a loop ends at the depth limit
    VARIANT empty = ChildOf(VT_EMPTY);

    const struct {
        const char* name;
        const VARIANT* child;
        long index;
    } cases[] = {
        {"I4", &i4, 3}, {"I2", &i2, 2}, {"I4 by reference", &byRefI4, 5}, {"I2 by reference", &byRefI2, 7},
        {"variant to I4", &toI4, 3}, {"variant to variant to I4", &toToI4, 3}, {"variant to BSTR", &toBstr, -1},
        {"BSTR", &bstr, -1}, {"empty", &empty, -1}, {"null I4 pointer", &nullI4, -1},
        {"null I2 pointer", &nullI2, -1}, {"null variant pointer", &nullVariant, -1},
        {"variant to itself", &self, -1}, {"no variant", nullptr, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXTPAccessible::GetChildIndex(c.child), c.index) << c.name;
}

TEST(Accessible, InterfacePartForwardsAndSharesTheTargetsIdentity)
{
    AccessibleTarget* target = new AccessibleTarget;
    IAccessible* accessible = target->Accessible();
    IUnknown* identity = nullptr;
    ASSERT_EQ(accessible->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(accessible));
    IStream* stream = nullptr;
    EXPECT_EQ(accessible->QueryInterface(IID_IStream, reinterpret_cast<void**>(&stream)), E_NOINTERFACE);
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(accessible->AddRef(), 3u);

    VARIANT self = ChildOf(VT_I4);
    self.lVal = CHILDID_SELF;
    long count = 0;
    EXPECT_EQ(accessible->get_accChildCount(&count), E_NOTIMPL);
    VARIANT focus = ChildOf(VT_EMPTY);
    EXPECT_EQ(accessible->get_accFocus(&focus), S_FALSE);
    EXPECT_EQ(accessible->get_accSelection(&focus), S_FALSE);
    EXPECT_EQ(accessible->put_accValue(self, nullptr), E_NOTIMPL);
    UINT typeInfoCount = 0;
    EXPECT_EQ(accessible->GetTypeInfoCount(&typeInfoCount), E_NOTIMPL);
    EXPECT_EQ(CXTPAccessible::AccessibleNotifyWinEvent(EVENT_OBJECT_FOCUS, nullptr, OBJID_CLIENT, CHILDID_SELF), 1);

    EXPECT_EQ(accessible->Release(), 2u);
    EXPECT_EQ(identity->Release(), 1u);
    EXPECT_EQ(accessible->Release(), 0u);
}

TEST(Accessible, ObjectOfAWindowIsFoundThroughOleaccInProcess)
{
    if (std::getenv("ORBALIN_EXPECT_NO_OLEACC") != nullptr)
        GTEST_SKIP() << "this run has no oleacc";
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    {
        AccessibleWindow window;
        IAccessible* accessible = nullptr;
        ASSERT_EQ(CXTPAccessible::AccessibleObjectFromWindow(window.GetSafeHwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                                             IID_IAccessible, reinterpret_cast<void**>(&accessible)),
                  S_OK);
        ASSERT_NE(accessible, nullptr);
        VARIANT self = ChildOf(VT_I4);
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
        EXPECT_STREQ(name, L"Calendar bar");
        ::SysFreeString(name);
        VARIANT role = ChildOf(VT_EMPTY);
        EXPECT_EQ(accessible->get_accRole(self, &role), S_OK);
        EXPECT_EQ(role.vt, VT_I4);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_TOOLBAR);
        accessible->Release();
        window.target->InternalRelease();
    }
    ::CoUninitialize();
}

// Runs in its own ctest entry, with oleacc disabled (see CMakeLists.txt).
TEST(Accessible, WithoutOleaccBothWrappersFailAndTheProgramGoesOn)
{
    if (std::getenv("ORBALIN_EXPECT_NO_OLEACC") == nullptr)
        GTEST_SKIP() << "runs in toolkit_tooltips_no_oleacc";
    ASSERT_EQ(::LoadLibraryW(L"oleacc.dll"), nullptr);
    AccessibleWindow window;
    IAccessible* accessible = nullptr;
    EXPECT_EQ(CXTPAccessible::AccessibleObjectFromWindow(window.GetSafeHwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                                         IID_IAccessible, reinterpret_cast<void**>(&accessible)),
              E_FAIL);
    EXPECT_EQ(CXTPAccessible::LresultFromObject(IID_IAccessible, 0, window.target->Accessible()), E_FAIL);
    // Asked again, still missing: the same answer.
    EXPECT_EQ(CXTPAccessible::LresultFromObject(IID_IAccessible, 0, window.target->Accessible()), E_FAIL);
    window.target->InternalRelease();
}
