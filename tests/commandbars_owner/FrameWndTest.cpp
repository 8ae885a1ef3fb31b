// The frame base: keys typed into a command bar edit, control notices routed
// as WM_NOTIFY, the frame's accelerator table against the shortcut
// manager's, and the close refused while the customize dialog is open.
#include <gtest/gtest.h>

#include "CXTPCommandBars.h"
#include "CXTPCustomizeDropSource.h"
#include "CXTPEdit.h"
#include "MessagePump.h"
#include "OwnerTestFrame.h"

namespace {

constexpr UINT ID_COPY = 101, ID_ENTER = 102, ID_TAB = 103, ID_ESCAPE = 104, ID_SAVE = 105;

HACCEL MakeTable(std::initializer_list<ACCEL> entries)
{
    std::vector<ACCEL> table(entries);
    return ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

// Holds Ctrl down in this thread's keyboard state while it lives.
class ControlDown {
public:
    explicit ControlDown(bool bDown)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        state[VK_CONTROL] = bDown ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    ~ControlDown() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

MSG KeyDown(HWND hWnd, UINT nKey)
{
    MSG msg{};
    msg.hwnd = hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = nKey;
    msg.lParam = 1;
    return msg;
}

struct KeyCase {
    UINT nKey;
    bool bControl;
    UINT nCommand;
};

} // namespace

// The frame's table maps Ctrl+C, Enter, Tab and Esc. With the focus in a
// command bar edit only the last three are translated; in a plain edit all are.
TEST(FrameWnd, EditFocusKeepsOrdinaryKeysFromTheAccelerators)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make(MakeTable({{FVIRTKEY | FCONTROL, 'C', ID_COPY},
                                                           {FVIRTKEY, VK_RETURN, ID_ENTER},
                                                           {FVIRTKEY, VK_TAB, ID_TAB},
                                                           {FVIRTKEY, VK_ESCAPE, ID_ESCAPE}})));
    ASSERT_NE(frame.p, nullptr);
    CXTPEdit toolkitEdit;
    CEdit plainEdit;
    ASSERT_TRUE(toolkitEdit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), frame.p, 201));
    ASSERT_TRUE(plainEdit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 110, 60), frame.p, 202));

    const KeyCase cases[] = {{'C', true, ID_COPY}, {VK_RETURN, false, ID_ENTER}, {VK_TAB, false, ID_TAB},
                             {VK_ESCAPE, false, ID_ESCAPE}};
    for (CEdit* pEdit : {static_cast<CEdit*>(&toolkitEdit), &plainEdit}) {
        pEdit->SetFocus();
        ASSERT_EQ(::GetFocus(), pEdit->GetSafeHwnd());
        for (const KeyCase& key : cases) {
            SCOPED_TRACE(testing::Message() << "key " << key.nKey << (pEdit == &plainEdit ? " plain edit" : " toolkit edit"));
            frame->m_commands.clear();
            ControlDown control(key.bControl);
            MSG msg = KeyDown(pEdit->GetSafeHwnd(), key.nKey);
            const bool bUntranslated = pEdit == &toolkitEdit && key.nCommand == ID_COPY;
            EXPECT_EQ(frame->PreTranslateMessage(&msg) != FALSE, !bUntranslated);
            EXPECT_EQ(frame->m_commands, bUntranslated ? std::vector<UINT>{} : std::vector<UINT>{key.nCommand});
        }
    }
}

TEST(FrameWnd, ControlNoticeResultOnlyWhenAHandlerTakesIt)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    struct NoticeCase {
        UINT_PTR idFrom;
        UINT code;
        BOOL bHandled;
        LRESULT result;
    };
    const LRESULT kUntouched = 0x5A5A;
    const NoticeCase cases[] = {
        {1, kHandledNotice, TRUE, kHandledResult},   // the frame's handler
        {1, kHandledNotice + 1, FALSE, kUntouched},  // no handler for the code
        {2, kHandledNotice, FALSE, kUntouched},      // no handler for the sender
    };
    for (const NoticeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.idFrom << " code " << c.code);
        NMHDR header{nullptr, c.idFrom, c.code};
        LRESULT result = kUntouched;
        EXPECT_EQ(frame->OnWndMsg(WM_CMDBARS_CONTROLNOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result), c.bHandled);
        EXPECT_EQ(result, c.result);
    }
}

TEST(FrameWnd, OwnTableDroppedOnlyWhenTheShortcutManagerHasOne)
{
    const ACCEL managerTable[] = {{FVIRTKEY | FCONTROL, 'S', ID_SAVE}};
    OwnerFrameHolder withManager(OwnerTestFrame::Make(MakeTable({{FVIRTKEY, VK_RETURN, ID_ENTER}}), managerTable, 1));
    OwnerFrameHolder withoutManager(OwnerTestFrame::Make(MakeTable({{FVIRTKEY, VK_RETURN, ID_ENTER}})));
    ASSERT_NE(withManager.p, nullptr);
    ASSERT_NE(withoutManager.p, nullptr);
    EXPECT_EQ(withManager->FrameAccelerators(), nullptr);
    EXPECT_NE(withoutManager->FrameAccelerators(), nullptr);

    // The manager's table translates for its frame; the dropped one no more.
    ControlDown control(true);
    MSG save = KeyDown(withManager->GetSafeHwnd(), 'S');
    EXPECT_TRUE(withManager->PreTranslateMessage(&save));
    EXPECT_EQ(withManager->m_commands, std::vector<UINT>{ID_SAVE});
    ControlDown release(false);
    MSG enter = KeyDown(withManager->GetSafeHwnd(), VK_RETURN);
    EXPECT_FALSE(withManager->PreTranslateMessage(&enter));
    MSG enterOwn = KeyDown(withoutManager->GetSafeHwnd(), VK_RETURN);
    EXPECT_TRUE(withoutManager->PreTranslateMessage(&enterOwn));
    EXPECT_EQ(withoutManager->m_commands, std::vector<UINT>{ID_ENTER});
}

TEST(FrameWnd, CloseRefusedWhileTheCustomizeDialogIsOpen)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CWnd sheet;
    ASSERT_TRUE(sheet.CreateEx(0, AfxRegisterWndClass(0), L"sheet", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    frame->Bars()->GetDropSource()->m_pSheet = &sheet;
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(frame->GetSafeHwnd()));
    frame->Bars()->GetDropSource()->m_pSheet = nullptr;
}

namespace {

constexpr UINT ID_EDIT_OWN = 120;

// A command bar edit that handles one command itself.
class CommandEdit : public CXTPEdit {
public:
    int m_nRuns = 0;

protected:
    afx_msg void OnOwnCommand() { ++m_nRuns; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandEdit, CXTPEdit)
    ON_COMMAND(ID_EDIT_OWN, OnOwnCommand)
END_MESSAGE_MAP()

} // namespace

// A command the focused command bar edit handles stops there; others reach the frame.
TEST(FrameWnd, CommandsGoToTheFocusedEditFirst)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CommandEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), frame.p, 201));
    edit.SetFocus();
    ASSERT_EQ(::GetFocus(), edit.GetSafeHwnd());
    frame->m_commands.clear();   // the edit's focus notice
    EXPECT_EQ(frame->SendMessage(WM_COMMAND, ID_EDIT_OWN), 1);
    EXPECT_EQ(edit.m_nRuns, 1);
    EXPECT_TRUE(frame->m_commands.empty());
    frame->SendMessage(WM_COMMAND, ID_SAVE);
    EXPECT_EQ(frame->m_commands, std::vector<UINT>{ID_SAVE});
}
