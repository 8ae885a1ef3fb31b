#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CXTPShortcutEdit.h"
#include "CXTPShortcutManager.h"

namespace
{
constexpr BYTE kCtrlKey = FVIRTKEY | FCONTROL;

// One key message with the modifiers held at that moment.
struct Key
{
    UINT message;
    UINT key;
    std::vector<UINT> held;
    bool repeat = false;
};

void Hold(const std::vector<UINT>& keys)
{
    BYTE state[256] = {};
    for (UINT key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

class ShortcutEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 200, 60), nullptr, 0));
        Create(&m_manager);
    }
    void TearDown() override
    {
        Hold({});
        m_edit.reset();
        m_parent.DestroyWindow();
    }
    void Create(CXTPShortcutManager* pManager)
    {
        m_edit = std::make_unique<CXTPShortcutEdit>(pManager);
        ASSERT_TRUE(m_edit->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &m_parent, 1));
    }
    // Sends the keys in turn; answers whether the last one was eaten.
    bool Press(const std::vector<Key>& keys)
    {
        BOOL eaten = FALSE;
        for (const Key& k : keys) {
            Hold(k.held);
            MSG msg{m_edit->GetSafeHwnd(), k.message, k.key, k.repeat ? (1 << 30) | 1 : 1, 0, {}};
            eaten = m_edit->PreTranslateMessage(&msg);
        }
        return eaten != FALSE;
    }
    CString Text() const
    {
        CString text;
        m_edit->GetWindowText(text);
        return text;
    }

    CWnd m_parent;
    CXTPShortcutManager m_manager{nullptr};
    std::unique_ptr<CXTPShortcutEdit> m_edit;
};
} // namespace

TEST_F(ShortcutEditTest, ModifiersShowUntilAKeyCompletesTheEntry)
{
    const struct {
        const char* what;
        std::vector<Key> keys;
        const wchar_t* text;
        bool complete;
        BYTE fVirt;
        WORD key;
    } cases[] = {
        {"Ctrl held alone", {{WM_KEYDOWN, VK_CONTROL, {VK_CONTROL}}}, L"Ctrl", false, FCONTROL, 0},
        {"Ctrl then Shift",
         {{WM_KEYDOWN, VK_CONTROL, {VK_CONTROL}}, {WM_KEYDOWN, VK_SHIFT, {VK_CONTROL, VK_SHIFT}}},
         L"Ctrl+Shift", false, FCONTROL | FSHIFT, 0},
        {"Ctrl+Shift+F5",
         {{WM_KEYDOWN, VK_CONTROL, {VK_CONTROL}}, {WM_KEYDOWN, VK_SHIFT, {VK_CONTROL, VK_SHIFT}},
          {WM_KEYDOWN, VK_F5, {VK_CONTROL, VK_SHIFT}}},
         L"Ctrl+Shift+F5", true, FVIRTKEY | FCONTROL | FSHIFT, VK_F5},
        {"releasing the keys keeps a complete entry",
         {{WM_KEYDOWN, 'S', {VK_CONTROL}}, {WM_KEYUP, 'S', {VK_CONTROL}}, {WM_KEYUP, VK_CONTROL, {}}},
         L"Ctrl+S", true, kCtrlKey, 'S'},
        {"an auto-repeat does not start over",
         {{WM_KEYDOWN, 'S', {VK_CONTROL}}, {WM_KEYDOWN, VK_CONTROL, {VK_CONTROL}, true}},
         L"Ctrl+S", true, kCtrlKey, 'S'},
        {"Ctrl released before any key leaves nothing",
         {{WM_KEYDOWN, VK_CONTROL, {VK_CONTROL}}, {WM_KEYUP, VK_CONTROL, {}}}, L"", false, 0, 0},
        {"a new key starts over", {{WM_KEYDOWN, 'S', {VK_CONTROL}}, {WM_KEYDOWN, VK_F2, {}}}, L"F2", true,
         FVIRTKEY, VK_F2},
        {"Alt keys come as system keys", {{WM_SYSKEYDOWN, VK_HOME, {VK_MENU}}}, L"Alt+Home", true,
         FVIRTKEY | FALT, VK_HOME},
        {"plain Esc is refused", {{WM_KEYDOWN, 'S', {VK_CONTROL}}, {WM_KEYDOWN, VK_ESCAPE, {}}}, L"", false, 0, 0},
        {"Shift+Esc is not", {{WM_KEYDOWN, VK_ESCAPE, {VK_SHIFT}}}, L"Shift+Esc", true, FVIRTKEY | FSHIFT, VK_ESCAPE},
        {"Ctrl+Tab is a shortcut", {{WM_KEYDOWN, VK_TAB, {VK_CONTROL}}}, L"Ctrl+Tab", true, kCtrlKey, VK_TAB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_edit->Reset();
        EXPECT_TRUE(Press(c.keys));
        EXPECT_STREQ(c.text, Text().GetString());
        EXPECT_EQ(c.complete, m_edit->IsKeyComplete() != FALSE);
        EXPECT_EQ(c.fVirt, m_edit->GetAccelerator().fVirt);
        EXPECT_EQ(c.key, m_edit->GetAccelerator().key);
    }
}

TEST_F(ShortcutEditTest, EscCanBeAllowed)
{
    m_manager.m_bAllowEscapeShortcut = TRUE;
    EXPECT_TRUE(Press({{WM_KEYDOWN, VK_ESCAPE, {}}}));
    EXPECT_EQ(CString(L"Esc"), Text());
    EXPECT_TRUE(m_edit->IsKeyComplete());
}

TEST_F(ShortcutEditTest, TabMovesOnAndDropsAnUnfinishedEntry)
{
    Press({{WM_KEYDOWN, VK_CONTROL, {VK_CONTROL}}, {WM_KEYUP, VK_CONTROL, {}}, {WM_KEYDOWN, VK_SHIFT, {VK_SHIFT}}});
    ASSERT_EQ(CString(L"Shift"), Text());
    EXPECT_FALSE(Press({{WM_KEYDOWN, VK_TAB, {VK_SHIFT}}})) << "Shift+Tab moves the focus back";
    EXPECT_EQ(CString(), Text());

    Press({{WM_KEYDOWN, VK_F3, {}}});
    EXPECT_FALSE(Press({{WM_KEYDOWN, VK_TAB, {}}, {WM_KEYUP, VK_TAB, {}}}));
    EXPECT_EQ(CString(L"F3"), Text()) << "a complete entry stays";
    EXPECT_TRUE(m_edit->IsKeyComplete());
}

TEST_F(ShortcutEditTest, MouseButtonsOnlyFocusTheEdit)
{
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        ::SetFocus(nullptr);
        MSG msg{m_edit->GetSafeHwnd(), message, 0, MAKELPARAM(5, 5), 0, {}};
        EXPECT_TRUE(m_edit->PreTranslateMessage(&msg));
        EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus());
    }
    MSG other{m_edit->GetSafeHwnd(), WM_CHAR, 'a', 1, 0, {}};
    EXPECT_FALSE(m_edit->PreTranslateMessage(&other));
}

TEST_F(ShortcutEditTest, WithoutAManagerTheDriverNamesTheKeys)
{
    Create(nullptr);
    EXPECT_TRUE(Press({{WM_KEYDOWN, VK_ESCAPE, {}}}));
    EXPECT_TRUE(m_edit->IsKeyComplete()) << "nothing refuses Esc";
    EXPECT_EQ(CXTPShortcutManager::GetSystemKeyName(VK_ESCAPE), Text());
}
