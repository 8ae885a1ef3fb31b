// Accessibility of a bar as clients reach it: WM_GETOBJECT through oleacc.
#include <gtest/gtest.h>

#include "BarTestWindows.h"
#include "CXTPControl.h"
#include "WindowTestBar.h"

namespace {

VARIANT Child(long nChild)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

// The bar's object as a client gets it from the bar's window.
struct AccessibleBar {
    explicit AccessibleBar(int nType, DWORD dwObjectId = static_cast<DWORD>(OBJID_CLIENT))
        : bar(nType, nType == xtpBarTypePopup ? xtpBarPopup : xtpBarTop)
    {
        EXPECT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        EXPECT_TRUE(bar->CreateBar(frame.pFrame, CRect(10, 20, 210, 44)));
        bar->SetTitle(L"Standard");
        pOpen = bar->AddSized(20, 20, 0, FALSE, 100);
        pOpen->SetCaption(L"&Open");
        pOpen->SetShortcutText(L"Ctrl+O");
        pSave = bar->AddSized(20, 20, 0, FALSE, 101);
        pSave->SetCaption(L"Save");
        bar->LayoutRow();
        hr = CXTPAccessible::AccessibleObjectFromWindow(bar->GetSafeHwnd(), dwObjectId, IID_IAccessible,
                                                        reinterpret_cast<void**>(&pAccessible));
    }
    ~AccessibleBar()
    {
        if (pAccessible)
            pAccessible->Release();
        bar->DestroyWindow();
        ::CoUninitialize();
    }
    long Role(long nChild)
    {
        VARIANT role;
        ::VariantInit(&role);
        EXPECT_EQ(pAccessible->get_accRole(Child(nChild), &role), S_OK);
        return role.lVal;
    }
    long State(long nChild)
    {
        VARIANT state;
        ::VariantInit(&state);
        EXPECT_EQ(pAccessible->get_accState(Child(nChild), &state), S_OK);
        return state.lVal;
    }

    FrameHolder frame;
    WindowBarHolder bar;
    SizedControl* pOpen;
    SizedControl* pSave;
    IAccessible* pAccessible = nullptr;
    HRESULT hr;
};

} // namespace

TEST(BarAccessible, RolesOfBarsAndTheirEntries)
{
    const struct {
        int nType;
        long nRole;
    } cases[] = {{xtpBarTypeMenuBar, ROLE_SYSTEM_MENUBAR}, {xtpBarTypeNormal, ROLE_SYSTEM_TOOLBAR},
                 {xtpBarTypePopup, ROLE_SYSTEM_MENUPOPUP}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nType);
        AccessibleBar bar(c.nType);
        ASSERT_EQ(bar.hr, S_OK);
        EXPECT_EQ(bar.Role(CHILDID_SELF), c.nRole);
        EXPECT_EQ(bar.Role(1), ROLE_SYSTEM_MENUITEM);
        EXPECT_EQ(bar.Role(2), ROLE_SYSTEM_MENUITEM);
        VARIANT role;
        EXPECT_EQ(bar.pAccessible->get_accRole(Child(3), &role), E_INVALIDARG);
    }
}

TEST(BarAccessible, MenuObjectIdAnswersTooAndOthersAreLeftToTheSystem)
{
    AccessibleBar menu(xtpBarTypeMenuBar, static_cast<DWORD>(OBJID_MENU));
    ASSERT_EQ(menu.hr, S_OK);
    EXPECT_EQ(menu.Role(CHILDID_SELF), ROLE_SYSTEM_MENUBAR);
    EXPECT_EQ(menu.bar->SendMessage(WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_WINDOW)), 0)
        << "the default handling: no object of the bar's own";
}

TEST(BarAccessible, ChildrenNamesAndStates)
{
    AccessibleBar bar(xtpBarTypeNormal);
    ASSERT_EQ(bar.hr, S_OK);
    long nCount = 0;
    EXPECT_EQ(bar.pAccessible->get_accChildCount(&nCount), S_OK);
    EXPECT_EQ(nCount, 2);
    IDispatch* pChild = nullptr;
    EXPECT_EQ(bar.pAccessible->get_accChild(Child(2), &pChild), S_OK);
    ASSERT_NE(pChild, nullptr);
    pChild->Release();

    BSTR name = nullptr;
    EXPECT_EQ(bar.pAccessible->get_accName(Child(CHILDID_SELF), &name), S_OK);
    EXPECT_STREQ(name, L"Standard");
    ::SysFreeString(name);
    EXPECT_EQ(bar.pAccessible->get_accName(Child(1), &name), S_OK);
    EXPECT_STREQ(name, L"Open\tCtrl+O");
    ::SysFreeString(name);

    EXPECT_EQ(bar.State(CHILDID_SELF), 0);
    EXPECT_EQ(bar.State(1), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE);
    bar.bar->SetSelected(1, TRUE);
    EXPECT_EQ(bar.State(2), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_HOTTRACKED |
                                STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED);
    bar.bar->m_bVisibleForTest = FALSE;
    EXPECT_EQ(bar.State(CHILDID_SELF), STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(bar.State(1), STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE);
}

TEST(BarAccessible, LocationAndHitTestInScreenCoordinates)
{
    AccessibleBar bar(xtpBarTypeNormal);
    ASSERT_EQ(bar.hr, S_OK);
    CRect rcWindow;
    bar.bar->GetWindowRect(&rcWindow);
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(bar.pAccessible->accLocation(&x, &y, &cx, &cy, Child(CHILDID_SELF)), S_OK);
    EXPECT_EQ(CRect(x, y, x + cx, y + cy), rcWindow);
    EXPECT_EQ(bar.pAccessible->accLocation(&x, &y, &cx, &cy, Child(2)), S_OK);
    CRect rcSave = bar.pSave->GetRect();
    rcSave.OffsetRect(rcWindow.TopLeft());
    EXPECT_EQ(CRect(x, y, x + cx, y + cy), rcSave);

    VARIANT hit;
    ::VariantInit(&hit);
    const CPoint ptSave = rcSave.CenterPoint();
    EXPECT_EQ(bar.pAccessible->accHitTest(ptSave.x, ptSave.y, &hit), S_OK);
    ASSERT_EQ(hit.vt, VT_DISPATCH);
    IDispatch* pSaveDispatch = nullptr;
    bar.pSave->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<void**>(&pSaveDispatch));
    EXPECT_EQ(hit.pdispVal, pSaveDispatch);
    pSaveDispatch->Release();
    ::VariantClear(&hit);

    EXPECT_EQ(bar.pAccessible->accHitTest(rcWindow.right - 2, rcWindow.top + 2, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, CHILDID_SELF) << "the bar beside its controls";
    EXPECT_EQ(bar.pAccessible->accHitTest(rcWindow.right, rcWindow.top, &hit), S_FALSE) << "outside";
}
