#include "GridTestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Data offered as CF_TEXT (or as another format), as a drag source offers it.
COleDataSource* OfferText(const char* text, CLIPFORMAT format = CF_TEXT)
{
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(memory), text, size);
    ::GlobalUnlock(memory);
    auto* source = new COleDataSource;
    source->CacheGlobalData(format, memory);
    return source;
}

// Data offered as CF_UNICODETEXT, and beside it as CF_TEXT when ansi is given.
COleDataSource* OfferUnicode(const std::wstring& text, const char* ansi = nullptr)
{
    COleDataSource* source = ansi ? OfferText(ansi) : new COleDataSource;
    const size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(memory), text.c_str(), size);
    ::GlobalUnlock(memory);
    source->CacheGlobalData(CF_UNICODETEXT, memory);
    return source;
}

// Counts what the drop receiver hands on to the grid.
class CountingGrid : public CGridCtrl {
public:
    using CGridCtrl::CGridCtrl;
    int calls = 0;
    DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keys, CPoint point) override
    {
        ++calls;
        return CGridCtrl::OnDragEnter(data, keys, point);
    }
    DROPEFFECT OnDragOver(COleDataObject* data, DWORD keys, CPoint point) override
    {
        ++calls;
        return CGridCtrl::OnDragOver(data, keys, point);
    }
    void OnDragLeave() override
    {
        ++calls;
        CGridCtrl::OnDragLeave();
    }
    BOOL OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) override
    {
        ++calls;
        return CGridCtrl::OnDrop(data, effect, point);
    }
};

// 6 rows x 5 columns, one fixed row and column, cells 60 x 20 ("r,c"), drops allowed.
struct DropGrid {
    GridTestHost host{400, 300};
    CountingGrid grid{6, 5, 1, 1};
    COleDataObject text;
    DropGrid()
    {
        EXPECT_TRUE(host.Create(grid));
        UniformLayout(grid);
        LabelCells(grid);
        grid.SetDragAndDrop(TRUE);
        COleDataSource* source = OfferText("a\tb\r\nc, d");
        text.Attach(source);
        source->Release();
    }
    static CPoint At(int row, int col) { return CPoint(col * 60 + 30, row * 20 + 10); }
    bool Highlighted(int row, int col) const { return (grid.CellStateAt(row, col) & GVIS_DROPHILITED) != 0; }
};

} // namespace

TEST(GridDrop, TheGridRegistersOnceAndOnlyAGridCanRegister)
{
    DropGrid g;
    // Registered from the size handler when the window was made.
    EXPECT_TRUE(g.grid.DropReceiver().IsRegistered());
    CGridDropReceiver other;
    EXPECT_EQ(::RegisterDragDrop(g.grid.GetSafeHwnd(), &other), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_FALSE(g.grid.DropReceiver().AttachToGrid(&g.grid));

    CGridDropReceiver receiver;
    EXPECT_FALSE(receiver.AttachToGrid(nullptr));
    EXPECT_FALSE(receiver.AttachToGrid(CWnd::FromHandle(g.host.Handle())));
    EXPECT_FALSE(receiver.IsRegistered());

    g.grid.DestroyWindow();
    EXPECT_FALSE(g.grid.DropReceiver().IsRegistered());
}

TEST(GridDrop, EventsForAnotherWindowNeverReachTheGrid)
{
    DropGrid g;
    CGridDropReceiver& receiver = g.grid.DropReceiver();
    CWnd* other = CWnd::FromHandle(g.host.Handle());
    EXPECT_EQ(receiver.OnDragScroll(&g.grid, MK_CONTROL, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(receiver.OnDragScroll(&g.grid, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(receiver.OnDragScroll(other, MK_CONTROL, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(receiver.OnDragEnter(other, &g.text, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(receiver.OnDragOver(other, &g.text, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_FALSE(receiver.OnDrop(other, &g.text, DROPEFFECT_MOVE, g.At(2, 2)));
    receiver.OnDragLeave(other);
    EXPECT_EQ(g.grid.calls, 0);
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"2,2");
    EXPECT_EQ(receiver.OnDragEnter(&g.grid, &g.text, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(g.grid.calls, 1);
}

TEST(GridDrop, DraggingOverHighlightsTheEditableCellUnderThePoint)
{
    DropGrid g;
    EXPECT_EQ(g.grid.OnDragEnter(&g.text, MK_CONTROL, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_TRUE(g.Highlighted(2, 2));
    EXPECT_EQ(g.grid.OnDragOver(&g.text, 0, g.At(3, 3)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_FALSE(g.Highlighted(2, 2));
    EXPECT_TRUE(g.Highlighted(3, 3));
    // A read-only cell takes nothing and keeps the last cell.
    g.grid.ChangeCellState(4, 4, g.grid.CellStateAt(4, 4) | GVIS_READONLY);
    EXPECT_EQ(g.grid.OnDragOver(&g.text, 0, g.At(4, 4)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_TRUE(g.Highlighted(3, 3));
    // Over the headers: nothing, and the highlight goes.
    EXPECT_EQ(g.grid.OnDragOver(&g.text, 0, g.At(0, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_FALSE(g.Highlighted(3, 3));
    EXPECT_EQ(g.grid.LastDragOverCell(), CGridCellAddress());
    g.grid.OnDragOver(&g.text, 0, g.At(1, 1));
    g.grid.OnDragLeave();
    EXPECT_FALSE(g.Highlighted(1, 1));

    // Not offered: drops not allowed, a grid that is not editable, data without text.
    COleDataObject bitmap;
    COleDataSource* source = OfferText("x", CF_BITMAP);
    bitmap.Attach(source);
    source->Release();
    EXPECT_EQ(g.grid.OnDragEnter(&bitmap, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    g.grid.SetEditable(FALSE);
    EXPECT_EQ(g.grid.OnDragOver(&g.text, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    g.grid.SetEditable(TRUE);
    g.grid.SetDragAndDrop(FALSE);
    EXPECT_EQ(g.grid.OnDragEnter(&g.text, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(g.grid.OnDragOver(&g.text, 0, g.At(2, 2)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_FALSE(g.Highlighted(2, 2));
}

TEST(GridDrop, ADropThroughOlePastesTheTextAtTheCell)
{
    DropGrid g;
    COleDataSource* source = OfferText("a\tb\r\nc, d\r\ne\tf\tg\th");
    g.grid.SelectBlock(1, 1, 2, 2);
    IDropTarget& target = g.grid.DropReceiver();
    auto screen = [&](CPoint p) {
        g.grid.ClientToScreen(&p);
        return POINTL{p.x, p.y};
    };
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.DragEnter(source, 0, screen(g.At(1, 1)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    effect = DROPEFFECT_COPY;  // the source allows copy only
    EXPECT_EQ(target.DragOver(0, screen(g.At(3, 3)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.DragOver(MK_CONTROL, screen(g.At(3, 3)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(g.Highlighted(3, 3));
    g.host.notices.clear();
    EXPECT_EQ(target.Drop(source, MK_CONTROL, screen(g.At(3, 3)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    source->Release();

    EXPECT_FALSE(g.Highlighted(3, 3));
    const struct {
        int row, col;
        const wchar_t* text;
    } cells[] = {{3, 3, L"a"}, {3, 4, L"b"}, {4, 3, L"c"}, {4, 4, L"d"},
                 {5, 3, L"e"}, {5, 4, L"f"}, {2, 3, L"2,3"}, {3, 2, L"3,2"}};
    for (const auto& c : cells) {
        EXPECT_EQ(g.grid.CellTextAt(c.row, c.col), c.text) << c.row << "," << c.col;
    }
    // Every cell goes through the owner's begin and end of an edit; text past
    // the last column is dropped; the selection and the focus are cleared.
    const std::vector<int> codes = g.host.Codes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), GVN_ENDLABELEDIT), 6);
    EXPECT_EQ(g.grid.SelectedCount(), 0);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress());

    // A drop outside the cells drops nothing.
    source = OfferText("zz");
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.Drop(source, 0, screen(CPoint(390, 290)), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    source->Release();
    EXPECT_EQ(g.grid.CellTextAt(3, 3), L"a");
}

// Drops data on the cell through the grid's OLE drop target; the effect the drop answers.
DWORD DropThroughOle(DropGrid& g, IDataObject* data, int row, int col, DWORD keys = 0)
{
    IDropTarget& target = g.grid.DropReceiver();
    CPoint point = DropGrid::At(row, col);
    g.grid.ClientToScreen(&point);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.DragEnter(data, keys, POINTL{point.x, point.y}, &effect), S_OK);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.Drop(data, keys, POINTL{point.x, point.y}, &effect), S_OK);
    return effect;
}

TEST(GridDrop, AMoveIsAnsweredOnlyWhenEveryValueArrived)
{
    // The source empties its cells on a move: a drop that left any value out must not say move.
    struct Case {
        const char* name;
        const char* text;
        bool readOnly;     // cell (4, 4) takes nothing
        LRESULT endReply;  // the owner's answer to each end of an edit
        bool whole;
    };
    const Case cases[] = {
        {"all values stored", "a\tb\r\nc\td", false, 0, true},
        {"a value past the last column", "a\tb\tc", false, 0, false},
        {"a value past the last row", "a\r\nb\r\nc\r\nd", false, 0, false},
        {"a read-only cell", "a\tb\r\nc\td", true, 0, false},
        {"the owner refuses", "a", false, -1, false},
    };
    for (const Case& c : cases) {
        DropGrid g;
        if (c.readOnly)
            g.grid.ChangeCellState(4, 4, g.grid.CellStateAt(4, 4) | GVIS_READONLY);
        g.host.endEditReply = c.endReply;
        COleDataSource* source = OfferText(c.text);
        const DWORD effect = DropThroughOle(g, source, 3, 3);
        source->Release();
        EXPECT_EQ(effect & DROPEFFECT_MOVE, c.whole ? static_cast<DWORD>(DROPEFFECT_MOVE) : 0u) << c.name;
        if (c.endReply >= 0) {
            EXPECT_EQ(g.grid.CellTextAt(3, 3), L"a") << c.name;  // what fitted still arrived
        }
    }
}

TEST(GridDrop, UnicodeTextIsPreferredAndAcceptedAlone)
{
    const std::wstring world = L"\u4f1a\u8b70 Z\u00fcrich \u041c\u043e\u0441\u043a\u0432\u0430";
    DropGrid g;
    COleDataSource* both = OfferUnicode(world + L"\tx", "?? Z?rich ??????\tx");
    EXPECT_EQ(DropThroughOle(g, both, 2, 2), static_cast<DWORD>(DROPEFFECT_MOVE));
    both->Release();
    EXPECT_EQ(std::wstring(g.grid.CellTextAt(2, 2)), world);
    EXPECT_EQ(g.grid.CellTextAt(2, 3), L"x");

    COleDataSource* alone = OfferUnicode(L"\u041c\u0438\u0440");
    COleDataObject data;
    data.Attach(alone);
    EXPECT_EQ(g.grid.OnDragEnter(&data, 0, g.At(4, 1)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(g.grid.OnDragOver(&data, MK_CONTROL, g.At(4, 1)), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_TRUE(g.grid.OnDrop(&data, DROPEFFECT_COPY, g.At(4, 1)));
    EXPECT_EQ(std::wstring(g.grid.CellTextAt(4, 1)), L"\u041c\u0438\u0440");
    alone->Release();
}
