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

TEST(GridClipboard, SelectAllNotifiesAroundTheChange)
{
    ClipGrid g;
    g.grid.MoveFocusTo(2, 2);
    PressKey(g.grid, 'A', false, true);
    EXPECT_EQ(g.grid.SelectedCount(), 20);
    EXPECT_EQ(g.host.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED}));
}
