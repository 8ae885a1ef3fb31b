#include <gtest/gtest.h>

#include <shlobj.h>

#include "BrowseFolders.h"
#include "CXTBrowseEdit.h"
#include "CXTItemEdit.h"
#include "DialogAnswerer.h"
#include "MessagePump.h"
#include "PopupMenuProbe.h"
#include "ToolkitTestHost.h"

using browsefolders::SystemFolder;
using browsefolders::TestFolder;
using browsefolders::SamePath;
using testsupport::DialogAnswerer;
using testsupport::PressDialogButton;

namespace {

// Stands in for the file dialog: answers with a fixed choice.
class ScriptedFileDialog : public CFileDialog {
public:
    ScriptedFileDialog(const wchar_t* choice, INT_PTR answer) : CFileDialog(TRUE), m_answer(answer)
    {
        ::lstrcpynW(m_szFileName, choice, MAX_PATH);
    }
    INT_PTR DoModal() override { return m_answer; }

private:
    INT_PTR m_answer;
};

// Counts the popup menus that open for it.
class MenuOwner : public ToolkitTestWindow {
public:
    MenuOwner() : ToolkitTestWindow(0, WS_POPUP | WS_VISIBLE, CRect(50, 50, 450, 170)) {}
    int popups = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_INITMENUPOPUP)
            ++popups;
        return ToolkitTestWindow::WindowProc(message, wParam, lParam);
    }
};

CRect RectInParent(CWnd& child)
{
    CRect rc;
    child.GetWindowRect(&rc);
    child.GetParent()->ScreenToClient(&rc);
    return rc;
}

CString TextOf(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

bool AllSelected(CEdit& edit)
{
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    return nStart == 0 && nEnd == edit.GetWindowTextLength();
}

struct BrowseEditFixture : ::testing::Test {
    MenuOwner parent;
    void MakeEdit(CXTBrowseEdit& edit, UINT nID, CWnd* pParent = nullptr)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 310, 32),
                                pParent != nullptr ? pParent : &parent, nID));
    }
};

} // namespace

TEST_F(BrowseEditFixture, ButtonSitsBesideTheNarrowedEditAndFollowsItsState)
{
    CXTBrowseEdit plain;
    MakeEdit(plain, 1);
    ASSERT_TRUE(plain.PrepareBrowseEdit(&parent, 0));
    EXPECT_EQ(300, RectInParent(plain).Width());
    EXPECT_EQ(nullptr, plain.GetBrowseButton().GetSafeHwnd());
    plain.DestroyWindow();

    CXTBrowseEdit edit;
    MakeEdit(edit, 2);
    ASSERT_TRUE(edit.PrepareBrowseEdit(&parent, CXTBrowseEdit::BrowseFolder));
    CWnd* pButton = parent.GetDlgItem(CXTBrowseEdit::kButtonId);
    ASSERT_NE(nullptr, pButton);
    const CRect rcEdit = RectInParent(edit);
    const CRect rcButton = RectInParent(*pButton);
    const int gap = ::GetSystemMetrics(SM_CXEDGE);
    const int width = 2 * gap + ::GetSystemMetrics(SM_CXHTHUMB);
    EXPECT_EQ(300 - gap - width, rcEdit.Width());
    EXPECT_EQ(rcEdit.right + gap, rcButton.left);
    EXPECT_EQ(width, rcButton.Width());
    EXPECT_EQ(rcEdit.top, rcButton.top);
    EXPECT_EQ(rcEdit.bottom, rcButton.bottom);
    EXPECT_TRUE(pButton->IsWindowVisible());
    EXPECT_EQ(pButton->GetSafeHwnd(), ::GetWindow(edit.GetSafeHwnd(), GW_HWNDNEXT));

    edit.EnableWindow(FALSE);
    EXPECT_FALSE(pButton->IsWindowEnabled());
    edit.EnableWindow(TRUE);
    EXPECT_TRUE(pButton->IsWindowEnabled());
    edit.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pButton->GetStyle() & WS_VISIBLE);
    edit.ShowWindow(SW_SHOW);
    EXPECT_TRUE(pButton->GetStyle() & WS_VISIBLE);

    // Moving the edit takes the button along.
    edit.MoveWindow(20, 50, 200, 22);
    EXPECT_EQ(CRect(20 + 200 + gap, 50, 20 + 200 + gap + width, 72), RectInParent(*pButton));
}

TEST_F(BrowseEditFixture, ButtonOnAHiddenOrDisabledParentStartsAsTheEdit)
{
    struct Case {
        bool parentVisible, parentEnabled;
        DWORD editStyle;
    } const cases[] = {
        {false, true, WS_VISIBLE},
        {true, false, WS_VISIBLE},
        {true, true, WS_DISABLED},
        {false, false, 0},
    };
    for (const Case& c : cases) {
        CWnd panel;
        ASSERT_TRUE(panel.CreateEx(0, L"STATIC", L"", WS_CHILD | (c.parentVisible ? WS_VISIBLE : 0) |
                                                       (c.parentEnabled ? 0 : WS_DISABLED),
                                   CRect(0, 0, 400, 100), &parent, 50));
        CXTBrowseEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_BORDER | c.editStyle, CRect(10, 10, 310, 32), &panel, 3));
        ASSERT_TRUE(edit.PrepareBrowseEdit(&panel, CXTBrowseEdit::BrowseFile));
        CXTBrowseButton& button = edit.GetBrowseButton();
        EXPECT_EQ(edit.GetStyle() & (WS_VISIBLE | WS_DISABLED), button.GetStyle() & (WS_VISIBLE | WS_DISABLED))
            << c.parentVisible << c.parentEnabled << " " << c.editStyle;
        // The parent coming back changes neither.
        panel.ShowWindow(SW_SHOW);
        panel.EnableWindow(TRUE);
        EXPECT_EQ(edit.IsWindowVisible(), button.IsWindowVisible());
        EXPECT_EQ(edit.IsWindowEnabled(), button.IsWindowEnabled());
        panel.DestroyWindow();
    }
}

TEST_F(BrowseEditFixture, ChosenFileReplacesTheTextAndCancelKeepsIt)
{
    CXTBrowseEdit edit;
    MakeEdit(edit, 3);
    ASSERT_TRUE(edit.PrepareBrowseEdit(&parent, CXTBrowseEdit::BrowseFile));
    edit.SetWindowText(L"C:\\old\\name.nsf");

    ScriptedFileDialog cancelled(L"C:\\never.nsf", IDCANCEL);
    edit.SetFileDialog(&cancelled);
    edit.RunBrowseAction();
    EXPECT_STREQ(L"C:\\old\\name.nsf", TextOf(edit));

    ScriptedFileDialog chosen(L"C:\\Mail\\calendar.nsf", IDOK);
    edit.SetFileDialog(&chosen);
    edit.RunBrowseAction();
    EXPECT_STREQ(L"C:\\Mail\\calendar.nsf", TextOf(edit));
    EXPECT_FALSE(edit.IsDialogOpen());

    // The button's click runs the same action.
    ScriptedFileDialog clicked(L"C:\\Mail\\other.nsf", IDOK);
    edit.SetFileDialog(&clicked);
    edit.GetBrowseButton().SendMessage(BM_CLICK);
    testsupport::PumpMessages(20);
    EXPECT_STREQ(L"C:\\Mail\\other.nsf", TextOf(edit));
}

TEST_F(BrowseEditFixture, OpenDialogPutsTheWholePathOfTheChosenFile)
{
    const std::wstring file = TestFolder(L"files") + L"\\calendar.nsf";
    HANDLE hFile = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ::CloseHandle(hFile);

    CXTBrowseEdit edit;
    MakeEdit(edit, 4);
    ASSERT_TRUE(edit.PrepareBrowseEdit(&parent, CXTBrowseEdit::BrowseFile));
    edit.SetWindowText(L"C:\\old\\name.nsf");
    parent.SetFocus();

    DialogAnswerer cancel([](HWND hDialog) { PressDialogButton(hDialog, IDCANCEL); });
    edit.RunBrowseAction();
    EXPECT_TRUE(cancel.Finish());
    EXPECT_STREQ(L"C:\\old\\name.nsf", TextOf(edit));

    parent.SetFocus();
    HWND hOwnerSeen = nullptr;
    DialogAnswerer user([&](HWND hDialog) {
        hOwnerSeen = ::GetWindow(hDialog, GW_OWNER);
        testsupport::FillFileName(hDialog, file);
        PressDialogButton(hDialog, IDOK);
    });
    edit.RunBrowseAction();
    EXPECT_TRUE(user.Finish());
    EXPECT_TRUE(SamePath(file, TextOf(edit).GetString())) << TextOf(edit).GetString();
    EXPECT_EQ(parent.GetSafeHwnd(), hOwnerSeen);
    // The edit takes the focus with its new text selected.
    EXPECT_EQ(&edit, CWnd::GetFocus());
    EXPECT_TRUE(AllSelected(edit));
    ::DeleteFileW(file.c_str());
}

TEST_F(BrowseEditFixture, FolderBrowserStartsAtTheTextAndItsChoiceReplacesIt)
{
    const std::wstring start = SystemFolder(L"help");
    const std::wstring chosen = SystemFolder(L"inf");
    CXTBrowseEdit edit;
    MakeEdit(edit, 5);
    ASSERT_TRUE(edit.PrepareBrowseEdit(&parent, CXTBrowseEdit::BrowseFolder));
    edit.SetWindowText(start.c_str());

    std::wstring texts;
    DialogAnswerer keep([&](HWND hDialog) {
        texts = testsupport::DialogTexts(hDialog);
        PressDialogButton(hDialog, IDOK);
    });
    edit.RunBrowseAction();
    EXPECT_TRUE(keep.Finish());
    EXPECT_TRUE(SamePath(start, TextOf(edit).GetString())) << TextOf(edit).GetString();
    EXPECT_NE(std::wstring::npos, texts.find(L"Directory name:")) << texts;

    DialogAnswerer cancel([](HWND hDialog) { PressDialogButton(hDialog, IDCANCEL); });
    edit.SetWindowText(L"typed");
    edit.RunBrowseAction();
    EXPECT_TRUE(cancel.Finish());
    EXPECT_STREQ(L"typed", TextOf(edit));

    edit.SetWindowText(start.c_str());
    DialogAnswerer user([&](HWND hDialog) {
        ::SendMessageW(hDialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
        PressDialogButton(hDialog, IDOK);
    });
    edit.RunBrowseAction();
    EXPECT_TRUE(user.Finish());
    EXPECT_TRUE(SamePath(chosen, TextOf(edit).GetString())) << TextOf(edit).GetString();
    EXPECT_FALSE(edit.IsDialogOpen());
}

TEST_F(BrowseEditFixture, PopupKindShowsTheMenuAtTheButtonForTheTopLevelWindow)
{
    // Edit in a child panel: the menu belongs to the first window that is not a child.
    CWnd panel;
    ASSERT_TRUE(panel.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 40, 400, 100), &parent, 50));
    CXTBrowseEdit edit;
    MakeEdit(edit, 6, &panel);
    ASSERT_TRUE(edit.PrepareBrowseEdit(&panel, CXTBrowseEdit::BrowsePopupMenu, CXTEdit::kContextMenuId,
                                       CXTEdit::kContextSubMenu));
    CXTBrowseButton& button = edit.GetBrowseButton();
    UINT nStateWhileOpen = 0;
    bool bOpenWhileOpen = false;
    const OpenedMenu menu = WatchPopupMenu([&edit] { edit.RunBrowseAction(); }, [&] {
        nStateWhileOpen = button.GetState();
        bOpenWhileOpen = edit.IsDialogOpen();
    });
    ASSERT_TRUE(menu.shown);
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    EXPECT_EQ(CPoint(rcButton.right, rcButton.top), CRect(menu.rect).TopLeft());
    EXPECT_TRUE(nStateWhileOpen & BST_PUSHED);
    EXPECT_TRUE(bOpenWhileOpen);
    EXPECT_EQ(6u, menu.enabled.size());
    EXPECT_EQ(1, parent.popups);
    EXPECT_FALSE(button.GetState() & BST_PUSHED);
    EXPECT_FALSE(edit.IsDialogOpen());
}

namespace {

// Counts how often the edit ended.
class CountingItemEdit : public CXTItemEdit {
public:
    int endings = 0;
    void EndLabelEdit() override { ++endings; }
};

} // namespace

TEST_F(BrowseEditFixture, ItemEditEndsOnEnterEscapeAndLostFocus)
{
    struct Case {
        UINT nChar;
        int endings;
        bool cancelled;
        const wchar_t* text;
    } const cases[] = {
        {VK_RETURN, 1, false, L""},
        {VK_ESCAPE, 1, true, L""},
        {L'x', 0, false, L"x"},
    };
    for (const Case& c : cases) {
        CountingItemEdit edit;
        MakeEdit(edit, 7);
        ASSERT_TRUE(edit.PrepareBrowseEdit(&parent, CXTBrowseEdit::BrowseFile));
        edit.SendMessage(WM_CHAR, c.nChar, 1);
        EXPECT_EQ(c.endings, edit.endings) << c.nChar;
        EXPECT_EQ(c.cancelled, static_cast<bool>(edit.IsCancelled())) << c.nChar;
        EXPECT_STREQ(c.text, TextOf(edit)) << c.nChar;
    }

    CountingItemEdit edit;
    MakeEdit(edit, 8);
    ASSERT_TRUE(edit.PrepareBrowseEdit(&parent, CXTBrowseEdit::BrowseFile));
    edit.SetFocus();
    edit.GetBrowseButton().SetFocus();
    EXPECT_EQ(0, edit.endings);
    edit.SetFocus();
    parent.SetFocus();
    EXPECT_EQ(1, edit.endings);
    EXPECT_FALSE(edit.IsCancelled());
}
