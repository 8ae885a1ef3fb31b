// One control: texts, images, caption visibility, and a menu turned into controls.
#include <gtest/gtest.h>

#include <vector>

#include "CXTPImageManager.h"
#include "ControlTestBar.h"

TEST(Control, CaptionsAndPrompts)
{
    BarHolder bar;
    CXTPControl* pControl = bar->AddSized(20);
    pControl->SetCaption(L"&Open...\tCtrl+O");
    EXPECT_EQ(pControl->GetCaption(), L"&Open...");
    EXPECT_EQ(pControl->GetShortcutText(), L"Ctrl+O");
    bar->SetState(0);
    pControl->SetCaption(L"&Open...");
    EXPECT_EQ(bar->GetState(), 0u) << "the same caption asks for no layout";
    pControl->SetCaption(L"&Close");
    EXPECT_EQ(bar->GetState(), static_cast<DWORD>(XTP_BARSTATE_LAYOUT));
    pControl->SetShortcutText(L"Alt+F4");
    EXPECT_EQ(pControl->GetShortcutText(), L"Alt+F4") << "an own shortcut text wins";
    pControl->SetCustomCaption(L"&Shut");
    EXPECT_EQ(pControl->GetDisplayCaption(), L"&Shut");

    struct Case {
        const char* name;
        const wchar_t* caption;
        const wchar_t* prompt;
        const wchar_t* description;
        const wchar_t* tooltip;
        const wchar_t* captionAfter;
    };
    const Case cases[] = {
        {"one newline", L"Keep", L"Opens a file\nOpen", L"Opens a file", L"Open", L"Keep"},
        {"no newline", L"Keep", L"Open", L"Open", L"Open", L"Keep"},
        {"empty caption takes the tooltip", L"", L"Opens a file\nOpen", L"Opens a file", L"Open", L"Open"},
        {"second newline ends the tooltip", L"", L"Desc\nTip\nMore", L"Desc", L"Tip", L"Tip"},
        {"empty prompt changes nothing", L"Keep", L"", L"old", L"old", L"Keep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CXTPControl control;
        control.SetCaption(c.caption);
        control.SetDescription(L"old");
        control.SetTooltip(L"old");
        control.SetPrompt(c.prompt);
        EXPECT_EQ(control.GetDescription(), c.description);
        EXPECT_EQ(control.GetTooltipText(), c.tooltip);
        EXPECT_EQ(control.GetCaption(), c.captionAfter);
    }
}

TEST(Control, ImageIdsAndCaptionVisibility)
{
    BarHolder bar;
    auto* pImages = new CXTPImageManager;
    HICON hIcon = ::CreateIcon(nullptr, 16, 16, 1, 1, std::vector<BYTE>(32, 0xFF).data(),
                               std::vector<BYTE>(32, 0x00).data());
    ASSERT_NE(hIcon, nullptr);
    pImages->StoreCommandImage(CXTPImageManagerIconHandle(hIcon), 57600, 16, 16);
    ::DestroyIcon(hIcon);
    bar->SetImageManager(pImages);

    struct Case {
        const char* name;
        int nCustomIconId, nIconId, nId;
        bool bImage;
    };
    const Case cases[] = {
        {"no id at all", 0, -1, 0, false},
        {"the id", 0, 0, 57600, true},
        {"icon id wins over the id", 0, 57600, 100, true},
        {"custom icon id wins", 99, 57600, 57600, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CXTPControl* pControl = bar->GetControls()->Add(xtpControlButton, 0);
        pControl->SetID(c.nId);
        pControl->SetIconId(c.nIconId);
        pControl->SetCustomIconId(c.nCustomIconId);
        EXPECT_EQ(pControl->GetImage(16) != nullptr, c.bImage);
        // A toolbar button shows its caption only when it has no picture.
        pControl->SetCaption(L"Text");
        EXPECT_EQ(pControl->IsCaptionVisible(), !c.bImage);
    }

    struct Visibility {
        const char* name;
        int nBarType, nType, nStyle;
        const wchar_t* caption;
        BOOL bVisible;
    };
    const Visibility visibility[] = {
        {"popup menu shows every caption", xtpBarTypePopup, xtpControlButton, xtpButtonIcon, L"", TRUE},
        {"no caption", xtpBarTypeNormal, xtpControlPopup, xtpButtonCaption, L"", FALSE},
        {"icon style hides it", xtpBarTypeNormal, xtpControlPopup, xtpButtonIcon, L"A", FALSE},
        {"caption style shows it", xtpBarTypeNormal, xtpControlEdit, xtpButtonCaption, L"A", TRUE},
        {"popup shows it", xtpBarTypeNormal, xtpControlPopup, xtpButtonAutomatic, L"A", TRUE},
        {"edit does not", xtpBarTypeNormal, xtpControlEdit, xtpButtonAutomatic, L"A", FALSE},
    };
    for (const Visibility& v : visibility) {
        SCOPED_TRACE(v.name);
        bar->SetType(v.nBarType);
        CXTPControl* pControl = bar->GetControls()->Add(v.nType, 57600);
        pControl->SetStyle(v.nStyle);
        pControl->SetCaption(v.caption);
        EXPECT_EQ(pControl->IsCaptionVisible(), v.bVisible);
    }
}

namespace {

// A site window that records the creation round trips of menu items and may
// change them.
class MenuSite {
public:
    MenuSite()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &MenuSite::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ControlsTestMenuSite";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_wnd.Attach(m_hWnd);
    }
    ~MenuSite()
    {
        m_wnd.Detach();
        ::DestroyWindow(m_hWnd);
    }

    CWnd* Wnd() { return &m_wnd; }
    std::vector<CString> m_created;
    std::vector<CXTPControl*> m_createdControls;
    CXTPControl* m_pSupplied = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* pThis = reinterpret_cast<MenuSite*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (pThis && message == WM_CMDBARS_CREATECONTROL) {
            auto* pInfo = reinterpret_cast<ControlCreateInfo*>(lParam);
            pThis->m_created.push_back(pInfo->strCaption);
            if (pInfo->nID == 300) {
                pInfo->strCaption = L"Changed by the site";
                pInfo->controlType = xtpControlComboBox;
                return 1;
            }
            if (pInfo->nID == 400) {
                pInfo->pControl = pThis->m_pSupplied;
                return 1;
            }
            return 0;
        }
        if (pThis && message == WM_CMDBARS_CONTROLCREATED) {
            pThis->m_createdControls.push_back(reinterpret_cast<ControlCreateInfo*>(lParam)->pControl);
            return 0;
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
    CWnd m_wnd;
};

} // namespace

TEST(Control, MenuTurnedIntoControls)
{
    CMenu menu;
    menu.Attach(::CreatePopupMenu());
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuW(hSub, MF_STRING, 201, L"Inner");
    ::AppendMenuW(menu, MF_STRING, 100, L"&Open\tCtrl+O");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING | MF_CHECKED, 101, L"&Save");
    ::AppendMenuW(menu, MF_STRING | MF_GRAYED, 102, L"Grayed");
    ::AppendMenuW(menu, MF_STRING, 65280, L"System");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), L"&Recent");
    ::AppendMenuW(menu, MF_STRING, 57872, L"<<OLE VERBS GO HERE>>");
    ::AppendMenuW(menu, MF_STRING, 300, L"Site item");
    ::AppendMenuW(menu, MF_STRING, 400, L"Supplied");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::SetMenuDefaultItem(menu, 2, TRUE);

    MenuSite site;
    site.m_pSupplied = new SizedControl(CSize(5, 5));
    BarHolder bar;
    bar->SetNotifyOwner(site.Wnd());
    ASSERT_TRUE(bar->LoadMenu(&menu));
    EXPECT_FALSE(bar->LoadMenu(nullptr));

    struct Expected {
        int nId;
        int nType;
        const wchar_t* caption;
        const wchar_t* shortcut;
        BOOL bBeginGroup, bChecked, bEnabled, bDefault;
    };
    const Expected expected[] = {
        {100, xtpControlButton, L"&Open", L"Ctrl+O", FALSE, FALSE, TRUE, FALSE},
        {101, xtpControlButton, L"&Save", L"", TRUE, TRUE, TRUE, TRUE},
        {102, xtpControlButton, L"Grayed", L"", FALSE, FALSE, FALSE, FALSE},
        {0, xtpControlPopup, L"&Recent", L"", TRUE, FALSE, TRUE, FALSE},
        {57872, xtpControlButton, L"<<OLE VERBS GO HERE>>", L"", FALSE, FALSE, TRUE, FALSE},
        {300, xtpControlComboBox, L"Changed by the site", L"", FALSE, FALSE, TRUE, FALSE},
        {400, xtpControlPlain, L"Supplied", L"", FALSE, FALSE, TRUE, FALSE},
    };
    CXTPControls* pControls = bar->GetControls();
    ASSERT_EQ(pControls->GetCount(), static_cast<int>(std::size(expected)));
    for (int i = 0; i < pControls->GetCount(); ++i) {
        SCOPED_TRACE(i);
        const Expected& e = expected[i];
        CXTPControl* pControl = pControls->GetAt(i);
        EXPECT_EQ(pControl->GetID(), e.nId);
        EXPECT_EQ(pControl->GetType(), e.nType);
        EXPECT_EQ(pControl->GetCaption(), e.caption);
        EXPECT_EQ(pControl->GetShortcutText(), e.shortcut);
        EXPECT_EQ(pControl->GetBeginGroup(), e.bBeginGroup);
        EXPECT_EQ(pControl->GetChecked(), e.bChecked);
        EXPECT_EQ(pControl->GetEnabled(), e.bEnabled);
        EXPECT_EQ(pControl->GetDefaultItem(), e.bDefault);
    }
    EXPECT_EQ(pControls->GetAt(6), site.m_pSupplied) << "a control the site supplies is used as it is";
    // One round trip per item but the system entry, which yields no control.
    EXPECT_EQ(site.m_created.size(), 7u);
    ASSERT_EQ(site.m_createdControls.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(site.m_createdControls[static_cast<size_t>(i)], pControls->GetAt(i));
}

TEST(Control, AccessibleAnswers)
{
    BarHolder bar;
    CXTPControl* pControl = bar->GetControls()->Add(xtpControlButton, 0);
    pControl->SetCaption(L"&Open\tCtrl+O");
    pControl->SetDescription(L"Opens a file");
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;

    BSTR bstr = nullptr;
    ASSERT_EQ(pControl->QueryAccName(self, &bstr), S_OK);
    EXPECT_STREQ(bstr, L"Open\tCtrl+O");
    ::SysFreeString(bstr);
    ASSERT_EQ(pControl->QueryAccDefaultAction(self, &bstr), S_OK);
    EXPECT_STREQ(bstr, L"Click");
    ::SysFreeString(bstr);
    VARIANT child = self;
    child.lVal = 1;
    EXPECT_EQ(pControl->QueryAccDescription(child, &bstr), E_INVALIDARG);

    struct Case {
        const char* name;
        int nBarType;
        BOOL bBarVisible;
        int nSelected;
        BOOL bEnabled;
        int nChecked;
        long nRole;
        long nState;
    };
    const Case cases[] = {
        {"toolbar button at rest", xtpBarTypeNormal, TRUE, 0, TRUE, 0, ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE},
        {"selected, disabled, checked", xtpBarTypeNormal, TRUE, 1, FALSE, 1, ROLE_SYSTEM_PUSHBUTTON,
         STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED |
             STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED},
        {"menu entry of a hidden bar", xtpBarTypePopup, FALSE, 0, TRUE, 0, ROLE_SYSTEM_MENUITEM,
         STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_INVISIBLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetType(c.nBarType);
        bar->m_bVisibleForTest = c.bBarVisible;
        SizedControl* pProbe = bar->AddSized(20);
        pProbe->SetSelectedState(c.nSelected);
        pProbe->SetEnabled(c.bEnabled);
        pProbe->SetChecked(c.nChecked);
        VARIANT role, state;
        ASSERT_EQ(pProbe->QueryAccRole(self, &role), S_OK);
        EXPECT_EQ(role.lVal, c.nRole);
        ASSERT_EQ(pProbe->QueryAccState(self, &state), S_OK);
        EXPECT_EQ(state.lVal, c.nState);
        long x = 1, y = 1, cx = 1, cy = 1;
        EXPECT_EQ(pProbe->HandleAccLocation(&x, &y, &cx, &cy, self), S_OK);
        EXPECT_EQ(x + y + cx + cy, 0) << "no window, no place";
    }
}
