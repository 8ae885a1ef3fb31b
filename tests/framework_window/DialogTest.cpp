// Dialogs: the modal loop offers messages to PreTranslateMessage and disables
// the owner; data exchange; message boxes still reach PreTranslateMessage.
#include <gtest/gtest.h>

#include "Framework.h"
#include "TestPump.h"
#include "TestResources.h"

namespace {

// Ends itself from PreTranslateMessage when F8 arrives for its edit control.
class CKeyEndsDialog : public CDialog {
public:
    explicit CKeyEndsDialog(CWnd* pParent) : CDialog(IDD_TEST_DIALOG, pParent) {}
    bool m_ownerDisabledWhileRunning = false;
    bool m_sawKeyForEdit = false;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_pParentWnd != nullptr)
            m_ownerDisabledWhileRunning = !m_pParentWnd->IsWindowEnabled();
        GetDlgItem(IDC_TEST_EDIT)->PostMessage(WM_KEYDOWN, VK_F8, 0);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F8) {
            m_sawKeyForEdit = pMsg->hwnd == ::GetDlgItem(m_hWnd, IDC_TEST_EDIT);
            EndDialog(42);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
};

TEST(DialogTest, ModalLoopOffersMessagesToPreTranslateMessage)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    CKeyEndsDialog dialog(&owner);
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_TRUE(dialog.m_sawKeyForEdit);
    EXPECT_TRUE(dialog.m_ownerDisabledWhileRunning);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST(DialogTest, CancelAndMissingTemplate)
{
    // Escape in the dialog comes back as IDCANCEL through OnCancel.
    class CEscapeDialog : public CDialog {
    public:
        CEscapeDialog() : CDialog(IDD_TEST_DIALOG) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            GetDlgItem(IDC_TEST_EDIT)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
            return TRUE;
        }
    } escape;
    EXPECT_EQ(IDCANCEL, escape.DoModal());

    CDialog missing(999);
    EXPECT_EQ(-1, missing.DoModal());
}

class CExchangeDialog : public CDialog {
public:
    CExchangeDialog() : CDialog(IDD_TEST_DIALOG) {}
    CString m_text;
    int m_number = 0;
    int m_check = 0;
    int m_radio = -1;
    CWnd m_editControl;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_EDIT, m_editControl);
        DDX_Text(pDX, IDC_TEST_EDIT, m_text);
        DDX_Text(pDX, IDC_TEST_NUMBER, m_number);
        DDX_Check(pDX, IDC_TEST_CHECK, m_check);
        DDX_Radio(pDX, IDC_TEST_RADIO1, m_radio);
    }
};

TEST(DialogTest, DataExchangeBothWays)
{
    CExchangeDialog dialog;
    dialog.m_text = L"héllo";
    dialog.m_number = -17;
    dialog.m_check = 1;
    dialog.m_radio = 2;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));   // OnInitDialog fills the controls
    CString text;
    dialog.GetDlgItemText(IDC_TEST_EDIT, text);
    EXPECT_STREQ(L"héllo", text.GetString());
    dialog.GetDlgItemText(IDC_TEST_NUMBER, text);
    EXPECT_STREQ(L"-17", text.GetString());
    EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_TEST_CHECK));
    EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_TEST_RADIO3));
    EXPECT_EQ(&dialog.m_editControl, CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, IDC_TEST_EDIT)));

    dialog.SetDlgItemText(IDC_TEST_EDIT, L"");
    dialog.SetDlgItemText(IDC_TEST_NUMBER, L" 2147483647 ");
    dialog.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
    dialog.CheckRadioButton(IDC_TEST_RADIO1, IDC_TEST_RADIO3, IDC_TEST_RADIO1);
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_TRUE(dialog.m_text.IsEmpty());
    EXPECT_EQ(2147483647, dialog.m_number);
    EXPECT_EQ(0, dialog.m_check);
    EXPECT_EQ(0, dialog.m_radio);

    // Radio group with nothing checked reads as -1.
    dialog.CheckRadioButton(IDC_TEST_RADIO1, IDC_TEST_RADIO3, 0);
    dialog.CheckDlgButton(IDC_TEST_RADIO1, BST_UNCHECKED);
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(-1, dialog.m_radio);
    dialog.DestroyWindow();
}

// Closes the next message box of this thread from a timer callback, which the
// box's own loop dispatches.
BOOL CALLBACK MatchVisibleDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t name[32];
    ::GetClassNameW(hWnd, name, 32);
    if (wcscmp(name, L"#32770") == 0 && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindThreadDialog()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK PressF9InDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND hBox = FindThreadDialog())
        ::PostMessageW(hBox, WM_KEYDOWN, VK_F9, 0);
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND hBox = FindThreadDialog()) {
        wchar_t title[64];
        ::GetWindowTextW(hBox, title, 64);
        if (wcscmp(title, L"Test dialog") != 0)
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    }
}

class CFilterApp : public CWinApp {
public:
    CFilterApp() : CWinApp(L"FrameworkWindowTests") {}
    int m_f9Seen = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F9) {
            ++m_f9Seen;
            // Answer the box from here: the key never reaches it.
            ::PostMessageW(::GetAncestor(pMsg->hwnd, GA_ROOT), WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
        return CWinApp::PreTranslateMessage(pMsg);
    }
};

TEST(DialogTest, MessageBoxLoopReachesPreTranslateMessage)
{
    CFilterApp app;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &PressF9InDialog);
    int answer = AfxMessageBox(L"Filtered?", MB_OKCANCEL);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(IDCANCEL, answer);
    EXPECT_GE(app.m_f9Seen, 1);
    PumpPending();
}

TEST(DialogTest, InvalidNumberFailsTheExchange)
{
    CExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    dialog.SetDlgItemText(IDC_TEST_NUMBER, L"12abc");
    dialog.m_number = 5;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &AnswerMessageBox);
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(5, dialog.m_number);   // the member keeps its value
    dialog.DestroyWindow();
}

} // namespace
