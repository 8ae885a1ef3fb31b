// Step 2's windows driven in-process: the folder tree, the calendar grid panel,
// the preview panel and the splitter, with the calls that the reading workers
// make coming from other threads.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CalendarGridPanel.h"
#include "FolderTreeCtrl.h"
#include "MessagePump.h"
#include "PreviewPanel.h"
#include "SplitterWnd.h"
#include "TreeItemSearch.h"
#include "WizardMessages.h"

namespace {

// Stands in for the step view: records what its panes send it.
class StepRecorder : public CWnd {
public:
    std::vector<CString> folderClicks;
    std::vector<LPARAM> rowClicks;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_FOLDER_CLICKED) {
            folderClicks.push_back(reinterpret_cast<const wchar_t*>(wParam));
            return 1;
        }
        if (message == WM_GRID_ROW_CLICKED) {
            rowClicks.push_back(lParam);
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A visible top-level step with one plain child between it and the pane, as the
// splitters stand between step 2 and its panes.
class Step2Host : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CUiThreadCall::Initialize());
        ASSERT_TRUE(step.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 800, 600),
                                  nullptr, 0));
        ASSERT_TRUE(holder.Create(L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 800, 600), &step));
    }
    void TearDown() override
    {
        holder.DestroyWindow();
        step.DestroyWindow();
    }

    StepRecorder step;
    CStatic holder;
};

// Runs body on a worker thread while this (user-interface) thread answers its calls.
void OnWorker(const std::function<void()>& body)
{
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([&] {
        body();
        return 0u;
    }));
    ASSERT_TRUE(worker.Join(20000));
}

class FolderTreeTest : public Step2Host {
protected:
    void SetUp() override
    {
        Step2Host::SetUp();
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT
                                    | TVS_SHOWSELALWAYS | TVS_CHECKBOXES,
                                CRect(0, 0, 400, 500), &holder, 4101));
    }
    void TearDown() override
    {
        tree.DestroyWindow();
        Step2Host::TearDown();
    }

    // The item reached from the root through the texts, one level each.
    HTREEITEM Find(const std::vector<CString>& texts) { return FindTreeItem(tree, nullptr, texts); }

    // A point on the item's check box, found by hit-testing along its row.
    CPoint CheckBoxPoint(HTREEITEM item)
    {
        CRect label;
        tree.GetItemRect(item, &label, TRUE);
        for (int x = 0; x < label.left; ++x) {
            UINT flags = 0;
            const CPoint p(x, label.CenterPoint().y);
            if (tree.HitTest(p, &flags) == item && (flags & TVHT_ONITEMSTATEICON))
                return p;
        }
        return CPoint(-1, -1);
    }

    // The button-up waits in the queue: the tree's press handling looks there for it.
    void Click(CPoint p)
    {
        tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        testsupport::PumpMessages();
    }

    FolderTreeCtrl tree;
};

TEST_F(FolderTreeTest, InsertsNestedPathsOnceAndChecksEveryLevel)
{
    HTREEITEM f = tree.InsertPath(L"P\\F\\", 3, 7);
    HTREEITEM g = tree.InsertPath(L"P\\G\\", 3, 9);
    // Without a final backslash the last part is not a folder.
    HTREEITEM q = tree.InsertPath(L"Q\\H", 2, 5);

    ASSERT_EQ(Find({L"NSF File", L"P", L"F"}), f);
    ASSERT_EQ(Find({L"NSF File", L"P", L"G"}), g);
    EXPECT_EQ(Find({L"NSF File", L"Q"}), q);
    EXPECT_EQ(nullptr, tree.GetChildItem(q));
    EXPECT_EQ(5u, tree.GetCount());

    HTREEITEM root = tree.GetRootItem();
    HTREEITEM p = tree.GetParentItem(f);

    struct Expect {
        HTREEITEM item;
        int image;
        DWORD_PTR data;
    };
    for (const Expect& e : {Expect{root, 0, 0}, Expect{p, 3, 7}, Expect{f, 3, 7}, Expect{g, 3, 9}, Expect{q, 2, 5}}) {
        int image = -1, selected = -1;
        tree.GetItemImage(e.item, image, selected);
        EXPECT_EQ(e.image, image) << tree.GetItemText(e.item).GetString();
        EXPECT_EQ(e.image, selected);
        EXPECT_EQ(e.data, tree.GetItemData(e.item));
        EXPECT_TRUE(tree.GetCheck(e.item));
    }
}

TEST_F(FolderTreeTest, PathsDropOnlyTheLeadingRootPart)
{
    HTREEITEM top = tree.InsertPath(L"($Meetings)\\", 3, 3);
    // A folder may be called like the root; its own part stays in the path.
    HTREEITEM nested = tree.InsertPath(L"Archive\\NSF File\\Old\\", 2, 2);
    EXPECT_EQ(CString(L""), tree.GetItemPath(tree.GetRootItem()));
    EXPECT_EQ(CString(L"($Meetings)\\"), tree.GetItemPath(top));
    EXPECT_EQ(CString(L"Archive\\NSF File\\Old\\"), tree.GetItemPath(nested));
    EXPECT_EQ(CString(L"Calendar"), FolderTreeCtrl::DisplayName(L"($Meetings)"));
    EXPECT_EQ(CString(L"Archive"), FolderTreeCtrl::DisplayName(L"Archive"));

    CStringArray paths;
    tree.CollectCheckedPaths(paths);
    const std::vector<CString> expected = {L"", L"($Meetings)\\", L"Archive\\", L"Archive\\NSF File\\",
                                           L"Archive\\NSF File\\Old\\"};
    ASSERT_EQ(expected.size(), static_cast<size_t>(paths.GetSize()));
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], paths[static_cast<INT_PTR>(i)]);
}

TEST_F(FolderTreeTest, LabelClickSendsTheCopiedPathAndRootOrBesideSendNothing)
{
    // Longer than any fixed buffer a click could have used.
    const CString longName(L'x', 700);
    HTREEITEM item = tree.InsertPath(longName + L"\\", 2, 2);
    HTREEITEM short_ = tree.InsertPath(L"($ToDo)\\", 5, 5);
    testsupport::PumpMessages(50);

    CRect label;
    ASSERT_TRUE(tree.GetItemRect(item, &label, TRUE));
    Click(CPoint(label.left + 3, label.CenterPoint().y));
    ASSERT_EQ(1u, step.folderClicks.size());
    EXPECT_EQ(longName + L"\\", step.folderClicks[0]);
    EXPECT_EQ(item, tree.GetSelectedItem());

    CRect rootLabel;
    tree.GetItemRect(tree.GetRootItem(), &rootLabel, TRUE);
    Click(CPoint(rootLabel.left + 3, rootLabel.CenterPoint().y));
    CRect shortLabel;
    tree.GetItemRect(short_, &shortLabel, TRUE);
    Click(CPoint(shortLabel.right + 20, shortLabel.CenterPoint().y));
    EXPECT_EQ(1u, step.folderClicks.size());
}

TEST_F(FolderTreeTest, UntickingAnItemUnticksEverythingBelowIt)
{
    tree.InsertPath(L"P\\F\\", 2, 2);
    tree.InsertPath(L"P\\G\\", 2, 2);
    tree.InsertPath(L"($ToDo)\\", 5, 5);
    testsupport::PumpMessages(50);
    HTREEITEM p = Find({L"NSF File", L"P"});
    const CPoint box = CheckBoxPoint(p);
    ASSERT_GE(box.x, 0);

    Click(box);
    CStringArray paths;
    tree.CollectCheckedPaths(paths);
    ASSERT_EQ(2, paths.GetSize());
    EXPECT_EQ(CString(L""), paths[0]);
    EXPECT_EQ(CString(L"($ToDo)\\"), paths[1]);

    // Ticking it again ticks the folders below as well.
    Click(box);
    paths.RemoveAll();
    tree.CollectCheckedPaths(paths);
    EXPECT_EQ(5, paths.GetSize());

    Click(CheckBoxPoint(tree.GetRootItem()));
    paths.RemoveAll();
    tree.CollectCheckedPaths(paths);
    EXPECT_EQ(0, paths.GetSize());
    EXPECT_TRUE(step.folderClicks.empty());
}

// Step 2's tree is filled while its view may never have been painted.
TEST_F(Step2Host, ATreeFilledBeforeItsFirstPaintKeepsItsTicks)
{
    FolderTreeCtrl hidden;
    ASSERT_TRUE(hidden.Create(WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES,
                              CRect(0, 0, 400, 500), &holder, 4101));
    HTREEITEM item = hidden.InsertPath(L"($Calendar)\\", 3, 3);
    hidden.ShowWindow(SW_SHOW);
    hidden.UpdateWindow();
    testsupport::PumpMessages(50);
    EXPECT_TRUE(hidden.GetCheck(item));
    EXPECT_TRUE(hidden.GetCheck(hidden.GetRootItem()));
    hidden.DestroyWindow();
}

TEST_F(FolderTreeTest, ScanCallsFromAWorkerRunOnTheUserInterfaceThreadInOrder)
{
    const DWORD uiThread = ::GetCurrentThreadId();
    DWORD insertThread = 0;
    IFolderTree& scanView = tree;
    OnWorker([&] {
        for (int i = 0; i < 50; ++i) {
            CString name;
            name.Format(L"Folder %02d\\", i);
            HTREEITEM node = scanView.InsertPath(name, 2, 2);
            scanView.SetItemData(node, static_cast<DWORD_PTR>(100 + i));
            scanView.Expand(node, TVE_EXPAND);
            scanView.SetCheck(node, TRUE);
        }
        RunOnUiThread([&] { insertThread = ::GetCurrentThreadId(); });
    });
    EXPECT_EQ(uiThread, insertThread);
    HTREEITEM child = tree.GetChildItem(tree.GetRootItem());
    for (int i = 0; i < 50; ++i, child = tree.GetNextSiblingItem(child)) {
        ASSERT_NE(nullptr, child);
        CString name;
        name.Format(L"Folder %02d", i);
        EXPECT_EQ(name, tree.GetItemText(child));
        EXPECT_EQ(static_cast<DWORD_PTR>(100 + i), tree.GetItemData(child));
    }
}

class GridPanelTest : public Step2Host {
protected:
    void SetUp() override
    {
        Step2Host::SetUp();
        ASSERT_TRUE(inner.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 600), &holder));
        ASSERT_TRUE(panel.Create(L"", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(0, 0, 700, 400), &inner, 0xFFFF));
        ASSERT_TRUE(preview.Create(WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(0, 400, 700, 600), &inner, 1));
        panel.SetPreviewPanel(&preview);
    }
    void TearDown() override
    {
        panel.DestroyWindow();
        preview.DestroyWindow();
        inner.DestroyWindow();
        Step2Host::TearDown();
    }

    void Add(int n, int kind = 4)
    {
        for (int i = 0; i < n; ++i) {
            ++added;
            CString text, subject;
            text.Format(L"Subject : Entry %d\r\n ", added);
            subject.Format(L"Entry %d", added);
            panel.AddField(0, text, kind, subject);
        }
    }

    CStatic inner;
    CalendarGridPanel panel;
    PreviewPanel preview;
    int added = 0;
};

TEST_F(GridPanelTest, EntriesFillFiveColumnsPerRowPair)
{
    CGridCtrl& grid = panel.GetGrid();
    // A reset grid has no rows: an empty folder shows no empty title row.
    EXPECT_EQ(0, grid.RowCount());
    EXPECT_EQ(5, grid.ColumnCount());
    EXPECT_LE(panel.GetEntryRowCount(), 0);

    Add(5);
    ASSERT_EQ(2, grid.RowCount());
    EXPECT_GT(panel.GetEntryRowCount(), 0);
    for (int c = 0; c < 5; ++c) {
        CString subject;
        subject.Format(L"Entry %d", c + 1);
        EXPECT_EQ(subject, grid.CellTextAt(0, c));
        EXPECT_EQ(CString(L"Subject : ") + subject + L"\r\n ", grid.CellTextAt(1, c));
        EXPECT_EQ(130, grid.ColumnWidth(c));
    }
    EXPECT_EQ(20, grid.RowHeight(0));
    EXPECT_EQ(150, grid.RowHeight(1));

    Add(1);
    ASSERT_EQ(4, grid.RowCount());
    EXPECT_EQ(CString(L"Entry 6"), grid.CellTextAt(2, 0));
    EXPECT_EQ(CString(L""), grid.CellTextAt(2, 1));
    Add(1);
    EXPECT_EQ(CString(L"Entry 7"), grid.CellTextAt(2, 1));

    // Another kind takes its column but writes nothing.
    Add(3, 2);
    EXPECT_EQ(CString(L""), grid.CellTextAt(2, 4));
    Add(1);
    ASSERT_EQ(6, grid.RowCount());
    EXPECT_EQ(CString(L"Entry 11"), grid.CellTextAt(4, 0));

    panel.Reset();
    EXPECT_EQ(0, grid.RowCount());
    Add(1);
    EXPECT_EQ(2, grid.RowCount());
    EXPECT_EQ(CString(L"Entry 12"), grid.CellTextAt(0, 0));
}

// The worker's entries reach the grid in batches while it reads and the rest at
// EndFill, which the preview worker's last call makes; all of them in order.
TEST_F(GridPanelTest, EntriesFromTheWorkerArriveInOrderOnTheUserInterfaceThread)
{
    CGridCtrl& grid = panel.GetGrid();
    const auto countEntries = [&] {
        int entries = 0;
        for (int row = 1; row < grid.RowCount(); row += 2)
            for (int col = 0; col < 5; ++col)
                entries += grid.CellTextAt(row, col).IsEmpty() ? 0 : 1;
        return entries;
    };
    struct Case {
        int entries;
        int atLeastBeforeEnd;   // handed over while the worker still read
    };
    for (const Case& c : {Case{23, 0}, Case{450, 400}}) {
        panel.Reset();
        added = 0;
        int beforeEnd = -1;
        panel.BeginFill();
        OnWorker([&] {
            Add(c.entries);
            RunOnUiThread([&] {
                beforeEnd = countEntries();
                panel.EndFill();
            });
        });
        EXPECT_GE(beforeEnd, c.atLeastBeforeEnd) << c.entries;
        ASSERT_EQ(2 * ((c.entries + 4) / 5), grid.RowCount());
        for (int i = 0; i < c.entries; ++i) {
            CString subject;
            subject.Format(L"Entry %d", i + 1);
            EXPECT_EQ(subject, grid.CellTextAt(2 * (i / 5), i % 5));
        }
    }
}

TEST_F(GridPanelTest, ClickOnAnEntryShowsItsTextAndTellsTheStep)
{
    Add(7);
    struct Case {
        int row, col;
        bool shown;
        CString subject;
    };
    const Case cases[] = {{0, 1, false, L""}, {1, 1, true, L"Entry 2"}, {2, 1, true, L"Entry 7"},
                          {3, 0, true, L"Entry 6"}, {3, 4, false, L""}, {9, 0, false, L""}, {1, -1, false, L""}};
    for (const Case& c : cases) {
        preview.ClearFields();
        step.rowClicks.clear();
        GridCellNotice notice{};
        notice.hdr.hwndFrom = panel.GetGrid().GetSafeHwnd();
        notice.hdr.idFrom = CalendarGridPanel::GridId;
        notice.hdr.code = static_cast<UINT>(GVN_CLICK);
        notice.iRow = c.row;
        notice.iColumn = c.col;
        panel.SendMessage(WM_NOTIFY, CalendarGridPanel::GridId, reinterpret_cast<LPARAM>(&notice));
        EXPECT_EQ(c.subject, preview.GetField(0)) << c.row << "," << c.col;
        const bool sent = c.row > 0 && c.row < 4 && c.col >= 0;
        EXPECT_EQ(sent ? 1u : 0u, step.rowClicks.size()) << c.row << "," << c.col;
        if (c.shown) {
            CString text;
            preview.GetDialog().GetTextEdit().GetWindowText(text);
            EXPECT_EQ(CString(L"Subject : ") + c.subject + L"\r\n ", text);
            EXPECT_TRUE(preview.GetDialog().GetTextEdit().IsWindowVisible());
            EXPECT_FALSE(preview.GetDialog().GetRichText().IsWindowVisible());
        }
    }
}

class PreviewPanelTest : public Step2Host {
protected:
    void SetUp() override
    {
        Step2Host::SetUp();
        ASSERT_TRUE(preview.Create(WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(0, 0, 600, 400), &holder, 1));
    }
    void TearDown() override
    {
        preview.DestroyWindow();
        Step2Host::TearDown();
    }

    CString RichPlainText()
    {
        CString text;
        preview.GetDialog().GetRichText().GetWindowText(text);
        return text;
    }

    PreviewPanel preview;
};

TEST_F(PreviewPanelTest, MessagesAreColouredRichTextAndOtherModesAreEmpty)
{
    struct Case {
        int mode;
        const wchar_t* text;
        bool red;
    };
    const Case cases[] = {
        {0, L"Please wait while enumerating folders", false},
        {1, L"No folder found in file...", true},
        {2, L"No Item present in folder please select another folder", true},
        {3, L"Please select contact item to see preview... ", false},
        {4, L"Please wait while generating preview...", false},
        {5, L"Either User Abort preview or no body present", false},
        {6, L"Please wait while filling list", false},
    };
    for (const Case& c : cases) {
        const CString rtf = PreviewPanel::MessageRtf(c.mode);
        EXPECT_EQ(0, rtf.Find(L"{\\rtf1\\ansi\\deff0"));
        EXPECT_GE(rtf.Find(c.red ? L"\\red255\\green0\\blue0;" : L"\\red0\\green0\\blue255;"), 0) << c.mode;
        EXPECT_EQ(rtf.GetLength() - 25, rtf.Find(L"\\cf0\\b0\\fs20\\par\\pardpar}"));
        preview.ShowMessage(c.mode);
        // The rich text parsed the RTF: only the message is left as text.
        CString plain = RichPlainText();
        plain.Trim();
        EXPECT_EQ(CString(c.text).Trim(), plain) << c.mode;
        EXPECT_TRUE(preview.GetDialog().GetRichText().IsWindowVisible());
        EXPECT_FALSE(preview.GetDialog().GetTextEdit().IsWindowVisible());
    }
    for (int mode : {-1, 7}) {
        EXPECT_TRUE(PreviewPanel::MessageRtf(mode).IsEmpty());
        preview.ShowMessage(mode);
        EXPECT_TRUE(RichPlainText().IsEmpty());
    }
}

TEST_F(PreviewPanelTest, TheRichTextKeepsNoCaretOrSelection)
{
    preview.ShowMessage(2);
    testsupport::PumpMessages(50);
    CRichText& rich = preview.GetDialog().GetRichText();
    CRect rc;
    rich.GetClientRect(&rc);
    rich.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, rc.Height() / 2));
    rich.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rc.right - 30, rc.Height() / 2));
    rich.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.right - 30, rc.Height() / 2));
    rich.SendMessage(WM_KEYDOWN, 'A', 0);
    rich.SendMessage(WM_CHAR, 'A', 0);
    rich.SetFocus();
    testsupport::PumpMessages(50);
    DWORD start = 1, end = 1;
    rich.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    EXPECT_NE(rich.GetSafeHwnd(), ::GetFocus());
    CString plain = RichPlainText();
    EXPECT_EQ(CString(L"No Item present in folder please select another folder"), plain.Trim());
}

class SplitterTest : public Step2Host {
protected:
    void SetUp() override
    {
        Step2Host::SetUp();
        m_key = L"Orbalin Step2 Tests " + std::to_wstring(::GetCurrentProcessId());
        m_app = std::make_unique<CWinApp>(L" Orbalin");
        m_app->SetRegistryKey(m_key.c_str());
        Make();
    }
    void TearDown() override
    {
        Destroy();
        m_app.reset();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + m_key).c_str());
        Step2Host::TearDown();
    }

    void Make()
    {
        first = std::make_unique<CStatic>();
        second = std::make_unique<CStatic>();
        top = std::make_unique<CStatic>();
        bottom = std::make_unique<CStatic>();
        ASSERT_TRUE(first->Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &holder));
        ASSERT_TRUE(top->Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &holder));
        ASSERT_TRUE(bottom->Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &holder));
        inner = std::make_unique<SplitterWnd>();
        outer = std::make_unique<SplitterWnd>();
        ASSERT_TRUE(inner->Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SplitterWnd::Stacked, &holder, top.get(),
                                  bottom.get(), 59397, CRect(0, 0, 2000, 2000), 10, 10));
        ASSERT_TRUE(outer->Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SplitterWnd::SideBySide, &holder,
                                  first.get(), inner.get(), 61191, CRect(0, 0, 2000, 2000), 10, 10));
        outer->MoveWindow(0, 0, 700, 500);
        testsupport::PumpMessages();
    }
    void Destroy()
    {
        if (outer && outer->GetSafeHwnd() != nullptr)
            outer->DestroyWindow();
        outer.reset();
        inner.reset();
        first.reset();
        top.reset();
        bottom.reset();
    }

    static CRect Placed(CWnd& pane)
    {
        CRect rc;
        pane.GetWindowRect(&rc);
        pane.GetParent()->ScreenToClient(&rc);
        return rc;
    }

    void Drag(SplitterWnd& splitter, CPoint from, CPoint to, bool escape = false)
    {
        splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        if (escape) {
            MSG msg{splitter.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
            EXPECT_TRUE(splitter.PreTranslateMessage(&msg));
        }
        splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        testsupport::PumpMessages();
    }

    std::wstring m_key;
    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<CStatic> first, second, top, bottom;
    std::unique_ptr<SplitterWnd> inner, outer;
};

TEST_F(SplitterTest, PanesStartAtTheirDefaultSizesAndTheBarDragsWithinTheMinimums)
{
    EXPECT_EQ(0, Placed(*first).left);
    EXPECT_EQ(200, Placed(*first).Width());
    EXPECT_EQ(Placed(*first).right + SplitterWnd::BarWidth, Placed(*inner).left);
    EXPECT_EQ(700, Placed(*inner).right);
    EXPECT_EQ(500, Placed(*bottom).bottom);
    EXPECT_EQ(200, Placed(*bottom).Height());
    EXPECT_EQ(0, Placed(*top).top);

    // Beyond the right edge the bar stops at the right minimum.
    Drag(*outer, CPoint(202, 100), CPoint(2000, 100));
    EXPECT_EQ(700 - 10 - SplitterWnd::BarWidth / 2, Placed(*first).right);
    EXPECT_EQ(Placed(*first).Width(), outer->GetLeftWidth());

    // Escape during a drag leaves the panes where they were.
    const CRect before = Placed(*first);
    Drag(*outer, CPoint(before.right + 2, 100), CPoint(100, 100), true);
    EXPECT_EQ(before, Placed(*first));

    // Outside the bar a press starts nothing.
    Drag(*outer, CPoint(50, 100), CPoint(400, 100));
    EXPECT_EQ(before, Placed(*first));

    // The left pane keeps its width when the splitter grows.
    outer->MoveWindow(0, 0, 1200, 500);
    EXPECT_EQ(before.Width(), Placed(*first).Width());
}

TEST_F(SplitterTest, HiddenSecondPaneLeavesTheTopPaneTheWholeAreaAndComesBackWithItsHeight)
{
    const CRect innerRect = Placed(*inner);
    CRect barArea = Placed(*top);
    Drag(*inner, CPoint(50, barArea.bottom + 3), CPoint(50, 150));
    const int height = Placed(*bottom).Height();
    EXPECT_EQ(innerRect.Height() - 150 - SplitterWnd::BarWidth / 2, height);

    inner->HideSecondPane();
    EXPECT_FALSE(bottom->IsWindowVisible());
    outer->MoveWindow(0, 0, 900, 650);
    CRect client;
    inner->GetClientRect(&client);
    EXPECT_EQ(client, Placed(*top));

    inner->ShowSecondPane();
    EXPECT_TRUE(bottom->IsWindowVisible());
    EXPECT_EQ(height, Placed(*bottom).Height());
    EXPECT_EQ(client.bottom, Placed(*bottom).bottom);
    EXPECT_EQ(Placed(*bottom).top - SplitterWnd::BarWidth, Placed(*top).bottom);
}

TEST_F(SplitterTest, PositionsGoToTheProfileAndEveryStartHasTheDefaultSizes)
{
    Drag(*outer, CPoint(202, 100), CPoint(320, 100));
    CRect barArea = Placed(*top);
    Drag(*inner, CPoint(50, barArea.bottom + 3), CPoint(50, 200));
    const int leftRight = Placed(*first).right;
    const int bottomHeight = Placed(*bottom).Height();
    Destroy();
    EXPECT_EQ(static_cast<UINT>(leftRight),
              m_app->GetProfileInt(SplitterWnd::VerticalSection(61191), L"VertSplitPos", -1));
    EXPECT_EQ(static_cast<UINT>(bottomHeight),
              m_app->GetProfileInt(SplitterWnd::HorizontalSection(59397), L"HorizSplitPos", -1));
    EXPECT_EQ(CString(L"splt\\init_v61191"), SplitterWnd::VerticalSection(61191));

    // Whatever the profile holds, the panes start 200 pixels wide and high: a
    // stored left width of 8 pixels, left by a run that closed before the step
    // was laid out, would hide the folder tree on every start.
    for (int stored : {leftRight, 8}) {
        SCOPED_TRACE(stored);
        m_app->WriteProfileInt(SplitterWnd::VerticalSection(61191), L"VertSplitPos", stored);
        m_app->WriteProfileInt(SplitterWnd::HorizontalSection(59397), L"HorizSplitPos", stored);
        Make();
        EXPECT_EQ(200, Placed(*first).Width());
        EXPECT_EQ(200, Placed(*bottom).Height());
        Destroy();
    }

    // A hidden second pane leaves the stored height alone.
    m_app->WriteProfileInt(SplitterWnd::HorizontalSection(59397), L"HorizSplitPos", bottomHeight);
    Make();
    inner->HideSecondPane();
    Destroy();
    EXPECT_EQ(static_cast<UINT>(bottomHeight),
              m_app->GetProfileInt(SplitterWnd::HorizontalSection(59397), L"HorizSplitPos", -1));
}

}  // namespace
