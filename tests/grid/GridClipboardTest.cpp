#include "GridTestHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(nullptr))
        return "<no clipboard>";
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
            text = bytes;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

bool PutOnClipboard(const std::string& text)
{
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    const bool ok = ::SetClipboardData(CF_TEXT, memory) != nullptr;
    ::CloseClipboard();
    return ok;
}

std::wstring ClipboardUnicode()
{
    std::wstring text;
    if (!::OpenClipboard(nullptr))
        return L"<no clipboard>";
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// The text as the ANSI code page has it ('?' for what it lacks).
std::string Ansi(const std::wstring& text)
{
    std::string bytes(text.size() * 2 + 1, '\0');
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()),
                                        nullptr, nullptr);
    bytes.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return bytes;
}

// Both forms on the clipboard, as a program that writes Unicode puts them.
bool PutBothOnClipboard(const std::wstring& text)
{
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    const std::string ansi = Ansi(text);
    HGLOBAL bytes = ::GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1);
    memcpy(::GlobalLock(bytes), ansi.c_str(), ansi.size() + 1);
    ::GlobalUnlock(bytes);
    const size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL chars = ::GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(::GlobalLock(chars), text.c_str(), size);
    ::GlobalUnlock(chars);
    const bool ok = ::SetClipboardData(CF_TEXT, bytes) != nullptr && ::SetClipboardData(CF_UNICODETEXT, chars) != nullptr;
    ::CloseClipboard();
    return ok;
}

// Words from three scripts, most of them outside any one ANSI code page.
const wchar_t kWorldText[] = L"\u4f1a\u8b70 Z\u00fcrich \u041c\u043e\u0441\u043a\u0432\u0430";

struct ClipGrid {
    GridTestHost host{400, 300};
    CGridCtrl grid{6, 5, 1, 1};
    ClipGrid()
    {
        EXPECT_TRUE(host.Create(grid));
        UniformLayout(grid);
        LabelCells(grid);
    }
};

} // namespace

TEST(GridClipboard, CopyPutsTheSelectionAsTabbedLines)
{
    ClipGrid g;
    g.grid.SelectBlock(1, 1, 2, 3);
    g.grid.MoveFocusTo(1, 1);
    PressKey(g.grid, 'C', false, true);
    EXPECT_EQ(ClipboardText(), "1,1\t1,2\t1,3\r\n2,1\t2,2\t2,3");

    g.grid.ChangeCellState(1, 2, 0);  // a hole in the range keeps its field
    g.grid.OnEditCopy();
    EXPECT_EQ(ClipboardText(), "1,1\t\t1,3\r\n2,1\t2,2\t2,3");

    g.grid.SelectBlock(1, 1, 3, 4);
    g.grid.ChangeColumnWidth(2, 0);
    g.grid.ChangeColumnWidth(4, 0);
    g.grid.ChangeRowHeight(3, 0);
    g.grid.OnEditCopy();
    EXPECT_EQ(ClipboardText(), "1,1\t1,3\r\n2,1\t2,3");

    PutOnClipboard("unchanged");
    g.grid.ClearSelectionAndFocus();
    g.grid.OnEditCopy();
    EXPECT_EQ(ClipboardText(), "unchanged");
}

TEST(GridClipboard, CopyingAVirtualGridAsksForTheRangeOnly)
{
    GridTestHost host(400, 300);
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    grid.ChangeRowTotal(100000);
    grid.ChangeColumnTotal(4);
    ASSERT_TRUE(host.Create(grid));
    host.answerRequests = true;
    grid.SelectBlock(50000, 1, 50001, 2);
    host.notices.clear();
    host.requestCount = 0;
    grid.OnEditCopy();
    EXPECT_EQ(ClipboardText(), "50000,1\t50000,2\r\n50001,1\t50001,2");
    EXPECT_EQ(host.requestCount, 4);
    ASSERT_GE(host.notices.size(), 2u);
    EXPECT_EQ(host.notices.front().block, CGridCellBlock(50000, 1, 50001, 2));
    EXPECT_EQ(host.notices.back().block, CGridCellBlock());
}

TEST(GridClipboard, PasteFillsCellsFromTheTargetAndTrims)
{
    ClipGrid g;
    g.grid.ChangeCellState(2, 2, GVIS_READONLY);
    ASSERT_TRUE(PutOnClipboard(" a , b\r\nc\tX\r\nlast,row,and,far,too,many"));
    g.grid.MoveFocusTo(1, 1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.CellTextAt(1, 1), L"a");
    EXPECT_EQ(g.grid.CellTextAt(1, 2), L"b");
    EXPECT_EQ(g.grid.CellTextAt(2, 1), L"c");
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"2,2");  // read-only
    EXPECT_EQ(g.grid.CellTextAt(3, 1), L"last");
    EXPECT_EQ(g.grid.CellTextAt(3, 4), L"far");  // the columns past the last are dropped
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(1, 1, 3, 4));
    EXPECT_TRUE(g.grid.CellStateAt(1, 1) & GVIS_MODIFIED);

    // The owner refuses the end of the edit: nothing changes.
    g.host.endEditReply = -1;
    ASSERT_TRUE(PutOnClipboard("z"));
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.CellTextAt(1, 1), L"a");
    g.host.endEditReply = 0;

    // A hidden row and column are skipped.
    g.grid.ChangeRowHeight(4, 0);
    g.grid.ChangeColumnWidth(2, 0);
    ASSERT_TRUE(PutOnClipboard("p,q\nr,s"));
    g.grid.ClearSelectionAndFocus();
    g.grid.MoveFocusTo(3, 1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.CellTextAt(3, 1), L"p");
    EXPECT_EQ(g.grid.CellTextAt(3, 3), L"q");
    EXPECT_EQ(g.grid.CellTextAt(5, 1), L"r");
    EXPECT_EQ(g.grid.CellTextAt(5, 3), L"s");
    EXPECT_EQ(g.grid.CellTextAt(4, 1), L"4,1");

    g.grid.SetEditable(FALSE);
    ASSERT_TRUE(PutOnClipboard("no"));
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.CellTextAt(3, 1), L"p");
}

TEST(GridClipboard, CutAndDeleteEmptyTheSelection)
{
    ClipGrid g;
    g.grid.SelectBlock(1, 1, 1, 2);
    g.grid.MoveFocusTo(1, 1);
    PressKey(g.grid, 'X', false, true);
    EXPECT_EQ(ClipboardText(), "1,1\t1,2");
    EXPECT_EQ(g.grid.CellTextAt(1, 1), L"");
    EXPECT_EQ(g.grid.CellTextAt(1, 2), L"");

    g.grid.SelectBlock(2, 1, 2, 2);
    g.host.beginEditReply = -1;  // refused for every cell
    PressKey(g.grid, VK_DELETE);
    EXPECT_EQ(g.grid.CellTextAt(2, 1), L"2,1");
    g.host.beginEditReply = 0;
    g.host.notices.clear();
    PressKey(g.grid, VK_DELETE);
    EXPECT_EQ(g.grid.CellTextAt(2, 1), L"");
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"");
    EXPECT_EQ(g.host.Codes(),
              (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT, GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));

    g.grid.SetEditable(FALSE);
    g.grid.SelectBlock(3, 1, 3, 1);
    g.grid.OnEditCut();
    EXPECT_EQ(g.grid.CellTextAt(3, 1), L"3,1");
}

TEST(GridClipboard, CutKeepsTheCellsWhenTheClipboardCannotBeSet)
{
    ClipGrid g;
    PutOnClipboard("before");
    g.grid.SelectBlock(1, 1, 1, 2);
    // Another window holds the clipboard open, so nothing can be put on it.
    ASSERT_TRUE(::OpenClipboard(g.host.Handle()));
    g.grid.OnEditCut();
    ::CloseClipboard();
    EXPECT_EQ(ClipboardText(), "before");
    EXPECT_EQ(g.grid.CellTextAt(1, 1), L"1,1");
    EXPECT_EQ(g.grid.CellTextAt(1, 2), L"1,2");
    EXPECT_TRUE(g.host.Codes().empty());

    g.grid.OnEditCut();
    EXPECT_EQ(ClipboardText(), "1,1\t1,2");
    EXPECT_EQ(g.grid.CellTextAt(1, 1), L"");
}

TEST(GridClipboard, TextOutsideTheAnsiCodePageSurvivesCopyAndPaste)
{
    ClipGrid g;
    const std::wstring world = kWorldText;
    g.grid.ChangeCellText(1, 1, world.c_str());
    g.grid.SelectBlock(1, 1, 1, 2);
    g.grid.OnEditCopy();
    EXPECT_EQ(ClipboardUnicode(), world + L"\t1,2");
    // Readers of ANSI text get it as before.
    EXPECT_EQ(ClipboardText(), Ansi(world) + "\t1,2");
    // Back into the grid whole.
    g.grid.ClearSelectionAndFocus();
    g.grid.MoveFocusTo(5, 3);
    g.grid.OnEditPaste();
    EXPECT_EQ(std::wstring(g.grid.CellTextAt(5, 3)), world);

    // Pasting prefers the Unicode form when both are there.
    ASSERT_TRUE(PutBothOnClipboard(world + L"\tx"));
    g.grid.ClearSelectionAndFocus();
    g.grid.MoveFocusTo(3, 2);
    g.grid.OnEditPaste();
    EXPECT_EQ(std::wstring(g.grid.CellTextAt(3, 2)), world);
    EXPECT_EQ(g.grid.CellTextAt(3, 3), L"x");

    // ANSI text alone still pastes.
    ASSERT_TRUE(PutOnClipboard("plain"));
    g.grid.ClearSelectionAndFocus();
    g.grid.MoveFocusTo(4, 1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.CellTextAt(4, 1), L"plain");
}

TEST(GridClipboard, SelectAllNotifiesAroundTheChange)
{
    ClipGrid g;
    g.grid.MoveFocusTo(2, 2);
    PressKey(g.grid, 'A', false, true);
    EXPECT_EQ(g.grid.SelectedCount(), 20);
    EXPECT_EQ(g.host.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED}));
}
