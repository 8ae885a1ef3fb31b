#include "GridTestHost.h"

#include "MessagePump.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A press, release, double click and release at one point, as the system sends them.
void DoubleClickAt(CGridCtrl& grid, int x, int y)
{
    ClickAt(grid, x, y);
    SendMouse(grid, WM_LBUTTONDBLCLK, x, y, MK_LBUTTON);
    SendMouse(grid, WM_LBUTTONUP, x, y);
}

// Keeps the end-edit notices the in-place editor sends the grid.
class RecordingGrid : public CGridCtrl {
public:
    using CGridCtrl::CGridCtrl;
    std::vector<GridCellRequest> editorNotices;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr->idFrom == kEditorId && hdr->code == static_cast<UINT>(GVN_ENDLABELEDIT))
            editorNotices.push_back(*reinterpret_cast<const GridCellRequest*>(lParam));
        return CGridCtrl::OnNotify(wParam, lParam, pResult);
    }
};

// 6 rows x 5 columns, one fixed row and column, cells 60 x 20, "r,c" in each,
// focus on (2, 2), in a shown and active window; the cursor stays away.
struct EditGrid {
    GridTestHost& host = ShownHost();
    RecordingGrid grid{6, 5, 1, 1};
    EditGrid()
    {
        EXPECT_TRUE(host.Create(grid));
        UniformLayout(grid);
        LabelCells(grid);
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        grid.SetFocus();
        grid.MoveFocusTo(2, 2);
        grid.ChangeCellText(2, 2, L"old");
        grid.MarkModified(FALSE);
    }
    HWND Editor() const { return ::GetDlgItem(grid.GetSafeHwnd(), CGridCtrl::kEditorId); }
    CString EditorText() const
    {
        CString text;
        CWnd::FromHandle(Editor())->GetWindowText(text);
        return text;
    }
    std::pair<int, int> EditorSelection() const
    {
        DWORD start = 0, end = 0;
        ::SendMessageW(Editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }
    // A character typed while the grid has the focus.
    void TypeToGrid(UINT ch)
    {
        grid.SendMessage(WM_CHAR, ch, 1);
        testsupport::PumpMessages();
    }
    void TypeToEditor(const wchar_t* text)
    {
        for (; *text; ++text)
            ::SendMessageW(Editor(), WM_CHAR, *text, 1);
        testsupport::PumpMessages();
    }
    void KeyToEditor(UINT key, bool control = false)
    {
        HeldKeys held(false, control);
        ::SendMessageW(Editor(), WM_KEYDOWN, key, 1);
        testsupport::PumpMessages();
    }
};

using Codes = std::vector<int>;

} // namespace

TEST(GridEdit, TheFirstKeyDecidesTheStartingText)
{
    struct Case {
        const char* name;
        UINT key;
        bool keyDown;
        const wchar_t* text;
        std::pair<int, int> selection;
    };
    const Case cases[] = {
        {"a letter replaces the text", 'x', false, L"x", {1, 1}},
        {"a space selects the text and adds nothing", ' ', false, L"old", {0, 3}},
        {"backspace removes the last character", VK_BACK, false, L"ol", {2, 2}},
        // The characters whose codes the page and arrow keys share.
        {"! replaces the text", '!', false, L"!", {1, 1}},
        {"% replaces the text", '%', false, L"%", {1, 1}},
        {"( replaces the text", '(', false, L"(", {1, 1}},
        {"F2 puts the caret at the end", VK_F2, true, L"old", {3, 3}},
    };
    for (const Case& c : cases) {
        EditGrid g;
        if (c.keyDown)
            PressKey(g.grid, c.key);
        else
            g.TypeToGrid(c.key);
        testsupport::PumpMessages();
        ASSERT_NE(g.Editor(), nullptr) << c.name;
        EXPECT_EQ(::GetFocus(), g.Editor()) << c.name;
        EXPECT_TRUE(g.grid.IsCellBeingEdited(2, 2)) << c.name;
        EXPECT_EQ(g.EditorText(), c.text) << c.name;
        EXPECT_EQ(g.EditorSelection(), c.selection) << c.name;
        EXPECT_EQ(g.host.Codes(), Codes{GVN_BEGINLABELEDIT}) << c.name;
    }
}

TEST(GridEdit, EnterStoresTheTextAndEscapeKeepsTheOld)
{
    EditGrid g;
    g.TypeToGrid('n');
    g.TypeToEditor(L"ew\r");
    EXPECT_EQ(g.Editor(), nullptr);
    EXPECT_FALSE(g.grid.IsCellBeingEdited(2, 2));
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"new");
    EXPECT_TRUE(g.grid.CellStateAt(2, 2) & GVIS_MODIFIED);
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
    for (const RecordedNotice& n : g.host.notices)
        EXPECT_EQ(CGridCellAddress(n.row, n.col), CGridCellAddress(2, 2));
    // The editor's own notice: its window and id, text and item data, and the key.
    ASSERT_EQ(g.grid.editorNotices.size(), 1u);
    const GridCellRequest& notice = g.grid.editorNotices[0];
    EXPECT_EQ(notice.hdr.idFrom, CGridCtrl::kEditorId);
    EXPECT_NE(notice.hdr.hwndFrom, nullptr);
    EXPECT_EQ(notice.item.mask, GVIF_TEXT | GVIF_PARAM);
    EXPECT_EQ(notice.item.strText, L"new");
    EXPECT_EQ(notice.item.lParam, VK_RETURN);
    EXPECT_EQ(::GetFocus(), g.grid.GetSafeHwnd());

    g.host.notices.clear();
    g.grid.MarkModified(FALSE);
    g.TypeToGrid('z');
    g.TypeToEditor(L"zz\x1b");
    EXPECT_EQ(g.Editor(), nullptr);
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"new");
    EXPECT_FALSE(g.grid.CellStateAt(2, 2) & GVIS_MODIFIED);
    EXPECT_EQ(g.host.Codes(), Codes{GVN_BEGINLABELEDIT});
    ASSERT_EQ(g.grid.editorNotices.size(), 2u);
    EXPECT_EQ(g.grid.editorNotices[1].item.lParam, VK_ESCAPE);
}

TEST(GridEdit, LeavingTheEditorMovesOnAndKeepsEditing)
{
    struct Case {
        const char* name;
        bool byMouse;
        UINT key;       // a character when wm_char, else a key press
        bool wmChar;
        bool control;
        bool ends;
        CGridCellAddress next;
    };
    const Case cases[] = {
        {"tab", false, VK_TAB, true, false, true, {2, 3}},
        {"right after a typed start", false, VK_RIGHT, false, false, true, {2, 3}},
        {"down after a typed start", false, VK_DOWN, false, false, true, {3, 2}},
        {"page down after a typed start", false, VK_NEXT, false, false, true, {5, 2}},
        {"left after a mouse start stays in the editor", true, VK_LEFT, false, false, false, {3, 3}},
        {"ctrl left after a mouse start", true, VK_LEFT, false, true, true, {3, 2}},
    };
    for (const Case& c : cases) {
        EditGrid g;
        if (c.byMouse)
            DoubleClickAt(g.grid, 210, 70);
        else
            g.TypeToGrid('a');
        ASSERT_NE(g.Editor(), nullptr) << c.name;
        const HWND first = g.Editor();
        if (c.wmChar)
            g.TypeToEditor(std::wstring(1, static_cast<wchar_t>(c.key)).c_str());
        else
            g.KeyToEditor(c.key, c.control);
        EXPECT_EQ(g.grid.FocusCell(), c.next) << c.name;
        const CGridCellAddress edited = c.byMouse ? CGridCellAddress(3, 3) : CGridCellAddress(2, 2);
        if (!c.ends) {
            EXPECT_EQ(g.Editor(), first) << c.name;
            continue;
        }
        EXPECT_EQ(g.grid.CellTextAt(edited.row, edited.col), c.byMouse ? L"3,3" : L"a") << c.name;
        EXPECT_FALSE(g.grid.IsCellBeingEdited(edited.row, edited.col)) << c.name;
        // Editing goes on in the next cell, its whole text selected.
        ASSERT_NE(g.Editor(), nullptr) << c.name;
        EXPECT_NE(g.Editor(), first) << c.name;
        EXPECT_TRUE(g.grid.IsCellBeingEdited(c.next.row, c.next.col)) << c.name;
        const CString nextText = g.grid.CellTextAt(c.next.row, c.next.col);
        EXPECT_EQ(g.EditorText(), nextText) << c.name;
        EXPECT_EQ(g.EditorSelection(), std::make_pair(0, nextText.GetLength())) << c.name;
    }
}

TEST(GridEdit, ADoubleClickEditsWithTheCaretAtTheEnd)
{
    EditGrid g;
    DoubleClickAt(g.grid, 210, 70);
    // The release after the double click reports as any release does.
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK, GVN_BEGINLABELEDIT, GVN_DBLCLICK,
                                     GVN_SELCHANGED, GVN_CLICK}));
    EXPECT_EQ(g.host.notices[3].row, 3);
    EXPECT_EQ(g.host.notices[3].col, 3);
    ASSERT_NE(g.Editor(), nullptr);
    EXPECT_EQ(g.EditorText(), L"3,3");
    EXPECT_EQ(g.EditorSelection(), std::make_pair(3, 3));
    CRect editor;
    ::GetWindowRect(g.Editor(), &editor);
    g.grid.ScreenToClient(&editor);
    EXPECT_EQ(editor, CRect(180, 60, 239, 79));
}

TEST(GridEdit, ReadOnlyCellsAndTheOwnerCanRefuse)
{
    {
        EditGrid g;
        g.grid.ChangeCellState(2, 2, g.grid.CellStateAt(2, 2) | GVIS_READONLY);
        g.TypeToGrid('x');
        PressKey(g.grid, VK_F2);
        g.host.notices.clear();
        DoubleClickAt(g.grid, 150, 50);
        EXPECT_EQ(g.Editor(), nullptr);
        EXPECT_EQ(g.host.Codes(),
                  (Codes{GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK, GVN_DBLCLICK, GVN_SELCHANGED, GVN_CLICK}));
    }
    {
        EditGrid g;
        g.host.beginEditReply = -1;
        g.TypeToGrid('x');
        EXPECT_EQ(g.Editor(), nullptr);
        EXPECT_FALSE(g.grid.IsCellBeingEdited(2, 2));
        EXPECT_EQ(g.host.Codes(), Codes{GVN_BEGINLABELEDIT});
    }
    {
        EditGrid g;
        g.host.endEditReply = -1;
        g.TypeToGrid('x');
        g.TypeToEditor(L"y\r");
        EXPECT_EQ(g.Editor(), nullptr);
        EXPECT_EQ(g.grid.CellTextAt(2, 2), L"old");
        EXPECT_FALSE(g.grid.CellStateAt(2, 2) & GVIS_MODIFIED);
        EXPECT_EQ(g.host.Codes(), (Codes{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
    }
}

TEST(GridEdit, TypingWidensTheEditorUpToTheGridsEdge)
{
    EditGrid g;
    g.grid.MoveFocusTo(2, 4);
    g.TypeToGrid('i');
    ASSERT_NE(g.Editor(), nullptr);
    CRect client;
    g.grid.GetClientRect(&client);
    auto editorRect = [&] {
        CRect rect;
        ::GetWindowRect(g.Editor(), &rect);
        g.grid.ScreenToClient(&rect);
        return rect;
    };
    EXPECT_EQ(editorRect(), CRect(240, 40, 299, 59));  // one letter fits the cell
    g.TypeToEditor(L"MMMMMMM");
    const CRect wider = editorRect();
    EXPECT_GT(wider.right, 299);
    EXPECT_LT(wider.right, client.right);
    g.TypeToEditor(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    EXPECT_EQ(editorRect(), CRect(240, 40, client.right, 59));
    // The editor lies over the grid, its text past the cell's edge.
    testsupport::PumpMessages(50);
    const testsupport::WindowCapture shot = testsupport::WindowCapture::FromWindow(g.grid.GetSafeHwnd(), true);
    ASSERT_FALSE(shot.IsEmpty());
    EXPECT_TRUE(shot.SavePng(GridOutputPath(L"grid_editor.png")));
    EXPECT_TRUE(shot.HasTextLikePixels(CRect(305, 42, client.right - 4, 57)));
    g.TypeToEditor(L"\r");
    EXPECT_EQ(g.grid.CellTextAt(2, 4), L"iMMMMMMMWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
}

TEST(GridEdit, ScrollingOrAClickEndsTheEditAndKeepsTheText)
{
    for (bool virtualMode : {false, true}) {
        GridTestHost& host = ShownHost();
        CGridCtrl grid(50, 5, 1, 1);
        CWnd* parent = CWnd::FromHandle(host.Handle());
        ASSERT_TRUE(grid.CreateGrid(CRect(0, 0, 400, 100), parent, 100, WS_CHILD | WS_VISIBLE));
        if (virtualMode) {
            grid.SetVirtualMode(TRUE);
            grid.ChangeRowTotal(50);
            grid.ChangeColumnTotal(5);
            grid.ChangeFixedRowTotal(1);
            grid.ChangeFixedColumnTotal(1);
            host.answerRequests = true;
            host.keepEdits = true;
        }
        UniformLayout(grid);
        grid.SetFocus();
        grid.MoveFocusTo(1, 1);
        grid.SendMessage(WM_CHAR, 'q', 1);
        testsupport::PumpMessages();
        HWND editor = ::GetDlgItem(grid.GetSafeHwnd(), CGridCtrl::kEditorId);
        ASSERT_NE(editor, nullptr) << virtualMode;
        grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
        testsupport::PumpMessages();
        EXPECT_FALSE(::IsWindow(editor)) << virtualMode;
        EXPECT_FALSE(grid.IsCellBeingEdited(1, 1)) << virtualMode;
        // A virtual grid keeps no text: the owner gets it with the end of the edit.
        const auto ended = std::find_if(host.notices.begin(), host.notices.end(),
                                        [](const RecordedNotice& n) { return n.code == GVN_ENDLABELEDIT; });
        ASSERT_NE(ended, host.notices.end()) << virtualMode;
        EXPECT_EQ(CGridCellAddress(ended->row, ended->col), CGridCellAddress(1, 1)) << virtualMode;
        EXPECT_EQ(ended->mask, GVIF_TEXT) << virtualMode;
        EXPECT_EQ(ended->text, L"q") << virtualMode;
        EXPECT_EQ(grid.CellTextAt(1, 1), L"q") << virtualMode;
    }
    EditGrid g;
    g.TypeToGrid('c');
    ASSERT_NE(g.Editor(), nullptr);
    ClickAt(g.grid, 90, 70);
    EXPECT_EQ(g.Editor(), nullptr);
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"c");
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(3, 1));
}

TEST(GridEdit, AGridDestroyedWhileEditingTakesItsEditorAlong)
{
    GridTestHost& host = ShownHost();
    HWND editor = nullptr;
    {
        CGridCtrl grid(4, 4, 1, 1);
        ASSERT_TRUE(host.Create(grid));
        grid.SetFocus();
        grid.MoveFocusTo(1, 1);
        grid.SendMessage(WM_CHAR, 'd', 1);
        testsupport::PumpMessages();
        editor = ::GetDlgItem(grid.GetSafeHwnd(), CGridCtrl::kEditorId);
        ASSERT_NE(editor, nullptr);
    }
    testsupport::PumpMessages();
    EXPECT_FALSE(::IsWindow(editor));
    // A notice for a cell that no longer exists changes nothing.
    const std::vector<int> codes = host.Codes();
    EXPECT_EQ(codes, Codes{GVN_BEGINLABELEDIT});
}
