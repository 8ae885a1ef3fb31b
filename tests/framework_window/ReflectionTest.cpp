// Notifications reflected to the control that sent them: the control's own
// map sees WM_COMMAND and WM_NOTIFY first; for WM_CTLCOLOR the parent wins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Framework.h"

namespace {

std::vector<std::string> g_seen;
const UINT kButtonId = 2001;
const UINT kNotifierId = 2002;
const UINT kCodeReflected = 0x7001;   // a custom WM_NOTIFY code (low word)

class CReflectButton : public CWnd {
protected:
    afx_msg void OnClicked() { g_seen.push_back("button"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// Handles the click and lets the parent have it as well.
class CReflectExButton : public CWnd {
protected:
    afx_msg BOOL OnClicked()
    {
        g_seen.push_back("button-ex");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectExButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// A control that colours itself and answers its own notification.
class CSelfColouredStatic : public CWnd {
public:
    CSelfColouredStatic() : m_brush(::CreateSolidBrush(RGB(1, 2, 3))) {}
    ~CSelfColouredStatic() override { ::DeleteObject(m_brush); }
    HBRUSH m_brush;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        g_seen.push_back(nCtlColor == CTLCOLOR_STATIC ? "static-colour" : "other-colour");
        pDC->SetTextColor(RGB(200, 0, 0));
        return m_brush;
    }
    afx_msg void OnReflectedNotify(NMHDR*, LRESULT* pResult)
    {
        g_seen.push_back("notify-reflected");
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfColouredStatic, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
    ON_NOTIFY_REFLECT(kCodeReflected, OnReflectedNotify)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
public:
    BOOL CreateParent()
    {
        return CreateEx(0, nullptr, L"parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr);
    }

protected:
    afx_msg void OnButtonClicked() { g_seen.push_back("parent-click"); }
    afx_msg void OnNotifyAny(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_seen.push_back("parent-notify-" + std::to_string(pNMHDR->code & 0xFFFF));
        *pResult = 3;
    }
    afx_msg void OnNotifyRange(UINT, NMHDR* pNMHDR, LRESULT* pResult) { OnNotifyAny(pNMHDR, pResult); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(kButtonId, OnButtonClicked)
    ON_NOTIFY(kCodeReflected, kNotifierId, OnNotifyAny)
    ON_NOTIFY_RANGE(NM_CLICK, kNotifierId, kNotifierId + 10, OnNotifyRange)
END_MESSAGE_MAP()

// A parent that colours its controls itself.
class CColouringParent : public CParentWnd {
public:
    CColouringParent() : m_brush(::CreateSolidBrush(RGB(9, 9, 9))) {}
    ~CColouringParent() override { ::DeleteObject(m_brush); }
    HBRUSH m_brush;

protected:
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
    {
        g_seen.push_back("parent-colour");
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColouringParent, CParentWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

LRESULT SendNotify(HWND hParent, HWND hFrom, UINT id, UINT code)
{
    NMHDR nm{hFrom, id, code};
    return ::SendMessageW(hParent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&nm));
}

LRESULT SendCtlColor(HWND hParent, HWND hControl)
{
    HDC hDC = ::GetDC(hControl);
    LRESULT result = ::SendMessageW(hParent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                    reinterpret_cast<LPARAM>(hControl));
    ::ReleaseDC(hControl, hDC);
    return result;
}

TEST(ReflectionTest, ControlNotificationGoesToTheControlFirst)
{
    struct Case {
        const char* name;
        bool reflectEx;
        std::vector<std::string> expected;
    };
    for (const Case& c : {Case{"plain reflect eats the click", false, {"button"}},
                          Case{"_EX reflect passes it on", true, {"button-ex", "parent-click"}}}) {
        SCOPED_TRACE(c.name);
        g_seen.clear();
        CParentWnd parent;
        ASSERT_TRUE(parent.CreateParent());
        CReflectButton plain;
        CReflectExButton ex;
        CWnd& button = c.reflectEx ? static_cast<CWnd&>(ex) : static_cast<CWnd&>(plain);
        ASSERT_TRUE(button.Create(L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 80, 24),
                                  &parent, kButtonId));
        button.SendMessage(BM_CLICK);
        EXPECT_EQ(c.expected, g_seen);
    }
}

TEST(ReflectionTest, ParentHandlesNotificationsOfPlainControls)
{
    g_seen.clear();
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateParent());
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | BS_PUSHBUTTON, 0, 0, 80, 24, parent.m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)), nullptr, nullptr);
    ASSERT_NE(nullptr, hButton);
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(std::vector<std::string>{"parent-click"}, g_seen);
    // WM_NOTIFY is matched by the sending window's control id.
    auto makeStatic = [&](UINT id) {
        return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    };
    EXPECT_EQ(3, SendNotify(parent.m_hWnd, makeStatic(kNotifierId), kNotifierId, kCodeReflected));
    EXPECT_EQ(3, SendNotify(parent.m_hWnd, makeStatic(kNotifierId + 4), kNotifierId + 4, NM_CLICK));   // range
    EXPECT_EQ(0, SendNotify(parent.m_hWnd, makeStatic(kNotifierId + 20), kNotifierId + 20, NM_CLICK));
    EXPECT_EQ((std::vector<std::string>{"parent-click", "parent-notify-" + std::to_string(kCodeReflected),
                                        "parent-notify-" + std::to_string(NM_CLICK & 0xFFFF)}),
              g_seen);
}

TEST(ReflectionTest, NotifyAndColourReflectedToTheControl)
{
    g_seen.clear();
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateParent());
    CSelfColouredStatic label;
    ASSERT_TRUE(label.Create(L"STATIC", L"label", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &parent, kNotifierId));
    // The control's reflect handler answers; the parent's ON_NOTIFY is not reached.
    EXPECT_EQ(7, SendNotify(parent.m_hWnd, label.m_hWnd, kNotifierId, kCodeReflected));
    // The parent has no colour handler of its own: the control's brush is used.
    EXPECT_EQ(reinterpret_cast<LRESULT>(label.m_brush), SendCtlColor(parent.m_hWnd, label.m_hWnd));
    EXPECT_EQ((std::vector<std::string>{"notify-reflected", "static-colour"}), g_seen);
}

TEST(ReflectionTest, ParentColourHandlerWinsOverReflection)
{
    g_seen.clear();
    CColouringParent parent;
    ASSERT_TRUE(parent.CreateParent());
    CSelfColouredStatic label;
    ASSERT_TRUE(label.Create(L"STATIC", L"label", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &parent, kNotifierId));
    EXPECT_EQ(reinterpret_cast<LRESULT>(parent.m_brush), SendCtlColor(parent.m_hWnd, label.m_hWnd));
    EXPECT_EQ(std::vector<std::string>{"parent-colour"}, g_seen);
}

} // namespace
