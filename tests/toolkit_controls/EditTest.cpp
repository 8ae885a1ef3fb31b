#include <gtest/gtest.h>

#include "CXTEdit.h"
#include "CXTPColorManager.h"
#include "MemoryCanvas.h"
#include "PopupMenuProbe.h"
#include "ToolkitLookData.h"
#include "ToolkitTestHost.h"

namespace {

// Sends WM_CONTEXTMENU at lParam to the window and reports the menu it opened.
OpenedMenu OpenContextMenu(CWnd& wnd, LPARAM lParam)
{
    return WatchPopupMenu(
        [&wnd, lParam] { wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.GetSafeHwnd()), lParam); });
}

void PutOnClipboard(const wchar_t* lpszText)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (lpszText != nullptr) {
        const std::size_t nBytes = (::wcslen(lpszText) + 1) * sizeof(wchar_t);
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
        ::memcpy(::GlobalLock(hText), lpszText, nBytes);
        ::GlobalUnlock(hText);
        ::SetClipboardData(CF_UNICODETEXT, hText);
    }
    ::CloseClipboard();
}

CString ClipboardText()
{
    CString text;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE hText = ::GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(::GlobalLock(hText));
            ::GlobalUnlock(hText);
        }
        ::CloseClipboard();
    }
    return text;
}

// A host whose edits paint no background of their own (hollow control
// brushes), so what shows beneath the text is the edit's memory DC.
class HollowHost : public ToolkitTestWindow {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC)
            return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        return ToolkitTestWindow::WindowProc(message, wParam, lParam);
    }
};

class PaintedEdit : public CXTEdit {
public:
    using CXTEdit::PaintClient;
};

struct EditFixture : ::testing::Test {
    ToolkitTestWindow host{0, WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 220)};
    CXTEdit edit;
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(20, 30, 320, 54), &host, 10));
        ASSERT_TRUE(edit.Initialize(&host));
    }
};

} // namespace

TEST(EditInitialize, NeedsBothWindowsAndThenSetsTheStandardFont)
{
    ToolkitTestWindow host;
    CXTEdit unmade;
    EXPECT_FALSE(unmade.Initialize(&host));
    CXTEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 100, 20), &host, 1));
    CWnd noWindow;
    EXPECT_FALSE(edit.Initialize(&noWindow));
    EXPECT_FALSE(edit.Initialize(nullptr));
    EXPECT_EQ(nullptr, edit.GetParentWnd());
    EXPECT_TRUE(edit.Initialize(&host));
    EXPECT_EQ(&host, edit.GetParentWnd());
    EXPECT_EQ(ToolkitLookData().fontNormal.GetSafeHandle(), reinterpret_cast<HFONT>(edit.SendMessage(WM_GETFONT)));
}

TEST_F(EditFixture, ContextMenuEnablesWhatTheTextSelectionAndClipboardAllow)
{
    struct Case {
        const wchar_t* text;
        int selStart, selEnd;
        const wchar_t* clipboard;
        bool undo, cut, paste, selectAll;
    } const cases[] = {
        {L"", 0, 0, nullptr, false, false, false, false},
        {L"calendar.nsf", 3, 3, nullptr, false, false, false, true},
        {L"calendar.nsf", 0, 8, L"mail", false, true, true, true},
        {L"calendar.nsf", 12, 12, L"mail", false, false, true, true},
    };
    for (const Case& c : cases) {
        edit.SetWindowText(c.text);
        edit.SetSel(c.selStart, c.selEnd);
        PutOnClipboard(c.clipboard);
        const OpenedMenu menu = OpenContextMenu(edit, MAKELPARAM(300, 400));
        ASSERT_TRUE(menu.shown) << c.text;
        EXPECT_EQ(CPoint(300, 400), CRect(menu.rect).TopLeft());
        EXPECT_EQ(6u, menu.enabled.size());
        EXPECT_EQ(c.undo, menu.enabled.at(ID_EDIT_UNDO)) << c.text << " " << c.selEnd;
        for (UINT nID : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR})
            EXPECT_EQ(c.cut, menu.enabled.at(nID)) << c.text << " " << c.selEnd << " " << nID;
        EXPECT_EQ(c.paste, menu.enabled.at(ID_EDIT_PASTE)) << c.text << " " << c.selEnd;
        EXPECT_EQ(c.selectAll, menu.enabled.at(ID_EDIT_SELECT_ALL)) << c.text;
    }

    // An edit the user can take back enables Undo.
    edit.ReplaceSel(L"x", TRUE);
    EXPECT_TRUE(OpenContextMenu(edit, MAKELPARAM(300, 400)).enabled.at(ID_EDIT_UNDO));
}

TEST_F(EditFixture, ContextMenuKeyOpensTheMenuJustInsideTheTopLeftCorner)
{
    CPoint expected(5, 5);
    edit.ClientToScreen(&expected);
    const OpenedMenu menu = OpenContextMenu(edit, MAKELPARAM(-1, -1));
    ASSERT_TRUE(menu.shown);
    EXPECT_EQ(expected, CRect(menu.rect).TopLeft());
}

TEST_F(EditFixture, MenuCommandsActOnTheEdit)
{
    auto command = [this](UINT nID) { edit.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); };
    auto text = [this] {
        CString s;
        edit.GetWindowText(s);
        return s;
    };
    edit.SetWindowText(L"calendar.nsf");
    edit.SetSel(0, 8);
    command(ID_EDIT_COPY);
    EXPECT_STREQ(L"calendar", ClipboardText());
    command(ID_EDIT_CUT);
    EXPECT_STREQ(L".nsf", text());
    command(ID_EDIT_UNDO);
    EXPECT_STREQ(L"calendar.nsf", text());
    edit.SetSel(8, 12);
    command(ID_EDIT_CLEAR);
    EXPECT_STREQ(L"calendar", text());
    command(ID_EDIT_PASTE);
    EXPECT_STREQ(L"calendarcalendar", text());
    command(ID_EDIT_SELECT_ALL);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(16, nEnd);
}

TEST(EditPainting, DisabledEditPaintsOnButtonFace)
{
    HollowHost host;
    PaintedEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 170, 34), &host, 1));
    edit.SetWindowText(L"C:\\");
    CRect rcClient;
    edit.GetClientRect(&rcClient);
    const CXTPColorManager* pColors = GetColorManager();
    ASSERT_NE(pColors->GetColor(COLOR_WINDOW), pColors->GetColor(COLOR_BTNFACE));
    for (BOOL bEnabled : {TRUE, FALSE}) {
        edit.EnableWindow(bEnabled);
        MemoryCanvas canvas(rcClient.Width(), rcClient.Height());
        edit.PaintClient(&canvas.dc());
        const COLORREF expected = pColors->GetColor(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE);
        // Right of the short text, and the bottom row.
        const RECT blank{rcClient.Width() / 2, 0, rcClient.Width(), rcClient.Height()};
        const int nArea = (blank.right - blank.left) * (blank.bottom - blank.top);
        EXPECT_EQ(nArea, canvas.Count(blank, expected)) << bEnabled;
        EXPECT_EQ(rcClient.Width(), canvas.Count(RECT{0, rcClient.Height() - 1, rcClient.Width(), rcClient.Height()}, expected))
            << bEnabled;
    }
}

TEST_F(EditFixture, PaintingValidatesTheUpdateRegion)
{
    edit.Invalidate();
    edit.UpdateWindow();
    EXPECT_FALSE(::GetUpdateRect(edit.GetSafeHwnd(), nullptr, FALSE));
    MSG msg;
    EXPECT_FALSE(::PeekMessageW(&msg, edit.GetSafeHwnd(), WM_PAINT, WM_PAINT, PM_NOREMOVE));
}
