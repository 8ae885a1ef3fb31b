// The appearance sets: row and header heights, the stacked bars of style 8,
// style 9's sides, the client frame modes, and pixel probes of every style's
// outline and fill at the top and bottom positions.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "CXTPColorManager.h"
#include "TabManagerHost.h"
#include "TabShapeFrame.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A font whose cell is nHeight pixels high (a positive LOGFONT height).
LOGFONTW FontOfCell(int nHeight)
{
    LOGFONTW lf{};
    lf.lfHeight = nHeight;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    return lf;
}

// Tabs whose captions draw no pixels, so that probes see only shapes.
void AddBlankTabs(TabManagerHost& host, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        host.InsertItem(host.CountItems())->SetCaption(L"          ");
}

bool Between(COLORREF clr, COLORREF a, COLORREF b)
{
    auto in = [](int v, int x, int y) { return v >= std::min(x, y) && v <= std::max(x, y); };
    return in(GetRValue(clr), GetRValue(a), GetRValue(b)) && in(GetGValue(clr), GetGValue(a), GetGValue(b)) &&
           in(GetBValue(clr), GetBValue(a), GetBValue(b));
}

} // namespace

TEST(TabAppearanceSet, RowHeightIsTheSpaceHeightPlusThreeButAtLeastEighteen)
{
    CXTPTabPaintManager* pPaint = new CXTPTabPaintManager;
    const int cases[][2] = {{12, 18}, {16, 19}};
    for (const auto& c : cases) {
        pPaint->BuildTabFonts(FontOfCell(c[0]), FALSE);
        pPaint->ReloadMetrics();
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* pOld = dc.SelectObject(&pPaint->NormalFont());
        ASSERT_EQ(c[0], dc.GetTextExtent(L" ", 1).cy);
        dc.SelectObject(pOld);
        for (int nStyle = 0; nStyle < 10; ++nStyle) {
            EXPECT_EQ(c[1], pPaint->SetAppearance(nStyle)->m_nRowHeight) << c[0] << " style " << nStyle;
        }
    }
    pPaint->InternalRelease();
}

TEST(TabAppearanceSet, TwoRowsOfTwentyPixelsMakeAHeaderOfThirtyEightOrFortyWithoutOverlap)
{
    TabManagerHost host(300, 200);
    CXTPTabPaintManager* pPaint = host.GetPaintManager();
    pPaint->m_bShowIcons = FALSE;
    pPaint->BuildTabFonts(FontOfCell(12), FALSE);
    pPaint->ReloadMetrics();
    host.SetItemMetrics(CSize(70, 18), CSize(0, 20));
    AddBlankTabs(host, 4);
    // Style, header depth without the header margin's top and bottom.
    const int cases[][2] = {{0, 38}, {3, 38}, {4, 40}, {5, 38}, {9, 38}};
    const CRect rcControl(0, 0, 300, 200);
    for (const auto& c : cases) {
        CXTPTabAppearanceSet* pSet = pPaint->SetAppearance(c[0]);
        host.GetRows().SetCount(2, 4);
        EXPECT_EQ(20, pSet->GetRowHeight(&host));
        const CRect rcMargin = pSet->GetHeaderMargin();
        for (int nPosition : {0, 2}) {
            pPaint->SetPositionOption(nPosition);
            host.GetRows().SetCount(2, 4);
            const CRect rcHeader = pSet->GetHeaderRect(rcControl, &host);
            EXPECT_EQ(c[1] + rcMargin.top + rcMargin.bottom, rcHeader.Height()) << "style " << c[0];
            EXPECT_EQ(nPosition == 0 ? 0 : 200, nPosition == 0 ? rcHeader.top : rcHeader.bottom);
            // The client area overlaps the header by one pixel.
            const CRect rcClient = pSet->GetClientRect(rcControl, &host);
            EXPECT_EQ(nPosition == 0 ? rcHeader.bottom - 1 : rcHeader.top + 1,
                      nPosition == 0 ? rcClient.top : rcClient.bottom);
        }
        pPaint->SetPositionOption(0);
    }
}

TEST(TabAppearanceSet, StackedBarsLayNothingOutWithoutItemsAndOpenThePageUnderTheSelectedBar)
{
    TabManagerHost host(200, 300);
    CXTPTabPaintManager* pPaint = host.GetPaintManager();
    CXTPTabAppearanceSet* pSet = pPaint->SetAppearance(8);
    const CRect rcControl(0, 0, 200, 300);
    EXPECT_EQ(0, pSet->LayoutItems(&host, &host.Canvas().dc(), rcControl));
    EXPECT_TRUE(pSet->GetHeaderRect(rcControl, &host).IsRectEmpty());
    EXPECT_TRUE(host.GetHeaderRect().IsRectEmpty());

    AddBlankTabs(host, 3);
    const int h = pSet->GetRowHeight(&host);
    struct Case {
        int nSelected;
        int nMode;
        int tops[3];
        CRect rcClient;
    };
    const Case cases[] = {
        {0, 0, {0, 300 - 2 * h, 300 - h}, {1, h + 1, 199, 300 - 2 * h}},
        {1, 0, {0, h, 300 - h}, {1, 2 * h + 1, 199, 300 - h}},
        {2, 0, {0, h, 2 * h}, {1, 3 * h + 1, 199, 299}},
        {2, 2, {0, h, 2 * h}, {0, 3 * h + 1, 200, 300}},
    };
    for (const Case& c : cases) {
        pPaint->m_nClientFrame = c.nMode;
        host.SetCurSel(c.nSelected);
        host.Reposition();
        for (int i = 0; i < 3; ++i) {
            const CRect& rcBar = host.ItemAtIndex(i)->GetRect();
            EXPECT_EQ(c.tops[i], rcBar.top) << c.nSelected << " bar " << i;
            EXPECT_EQ(h, rcBar.Height());
            EXPECT_EQ(c.nMode == 2 ? 0 : 1, rcBar.left);
            EXPECT_EQ(200, rcBar.right);
        }
        EXPECT_EQ(c.rcClient, pSet->GetClientRect(rcControl, &host)) << c.nSelected;
        EXPECT_EQ(c.rcClient, host.GetTabClientRect()) << c.nSelected;
    }
}

TEST(TabAppearanceSet, BevelledTabsOfHeightEightHaveUprightSides)
{
    // Tab height, whether the shape reaches outside the tab's columns.
    const std::pair<int, bool> cases[] = {{8, false}, {9, false}, {20, true}};
    for (const auto& [nHeight, bOutside] : cases) {
        TabManagerHost host(200, 60);
        CXTPTabPaintManager* pPaint = host.GetPaintManager();
        CXTPTabAppearanceSet* pSet = pPaint->SetAppearance(9);
        AddBlankTabs(host, 2);
        host.SetCurSel(0);
        CXTPTabManagerItem* pItem = host.ItemAtIndex(1);
        const CRect rcItem(60, 20, 120, 20 + nHeight);
        pItem->SetRect(rcItem);
        host.Canvas().dc().SetBkMode(TRANSPARENT);
        pSet->DrawSingleItem(&host.Canvas().dc(), pItem);
        const MemoryCanvas& canvas = host.Canvas();
        const int nLeftOutside = 60 * 60 - canvas.Count(CRect(0, 0, 60, 60), kWhite);
        const int nRightOutside = 79 * 60 - canvas.Count(CRect(121, 0, 200, 60), kWhite);
        EXPECT_EQ(bOutside, nLeftOutside > 0) << nHeight;
        EXPECT_EQ(bOutside, nRightOutside > 0) << nHeight;
        EXPECT_GT(60 * nHeight - canvas.Count(rcItem, kWhite), 60 * nHeight / 2) << "the tab is painted";
    }
}

TEST(TabAppearanceSet, ClientFrameModesFrameAllSidesTheHeaderSideOrNothing)
{
    for (int nPosition : {0, 2}) {
        for (int nMode : {0, 1, 2}) {
            TabManagerHost host(300, 120);
            CXTPTabPaintManager* pPaint = host.GetPaintManager();
            CXTPTabAppearanceSet* pSet = pPaint->SetAppearance(6);
            pPaint->m_nClientFrame = nMode;
            pPaint->SetPositionOption(nPosition);
            AddBlankTabs(host, 2);
            host.SetCurSel(0);
            host.Reposition();
            host.Paint();

            const CRect rcFull = pSet->GetClientRect(host.Bounds(), &host);
            CRect rcExpected = rcFull;
            if (nMode == 0)
                rcExpected.DeflateRect(2, 2);
            else if (nMode == 1)
                (nPosition == 0 ? rcExpected.top : rcExpected.bottom) += nPosition == 0 ? 2 : -2;
            EXPECT_EQ(rcExpected, host.GetTabClientRect()) << nPosition << " mode " << nMode;

            const COLORREF clrFrame = pPaint->GetColorSet()->m_clrFrameBorder;
            ASSERT_NE(clrFrame, COLORREF(pPaint->GetColorSet()->m_clrClientFace));
            const MemoryCanvas& canvas = host.Canvas();
            const int yMiddle = rcFull.CenterPoint().y;
            const int yHeaderSide = nPosition == 0 ? rcFull.top : rcFull.bottom - 1;
            EXPECT_EQ(nMode == 0, canvas.At(rcFull.left, yMiddle) == clrFrame) << nPosition << " mode " << nMode;
            EXPECT_EQ(nMode == 0, canvas.At(rcFull.right - 1, yMiddle) == clrFrame);
            EXPECT_EQ(nMode != 2, canvas.At(rcFull.right - 20, yHeaderSide) == clrFrame)
                << nPosition << " mode " << nMode;
        }
    }
}

// Each style's outline and fill, probed at points computed from the tab
// rectangles, in the colours its default colour set paints with.
TEST(TabAppearanceSet, EveryStyleDrawsItsOutlineAndFillInTheColourSetsColours)
{
    using ColorOf = std::function<COLORREF(CXTPTabColorSet*, int nPosition)>;
    // A point of the probed tab, in its own coordinates, from its length and depth.
    using PointOf = std::function<CPoint(int w, int h)>;
    struct Case {
        int nStyle;
        int nItem;   // the tab whose outline is probed; tab 1 is selected
        PointOf point;
        ColorOf outline;
    };
    const PointOf leftEdge = [](int, int h) { return CPoint(0, h / 2); };
    const PointOf topEdge = [](int w, int) { return CPoint(w / 2, 0); };
    // The selected tab of styles 0 and 1 grows by two pixels before it is drawn.
    const PointOf grownLeftEdge = [](int, int h) { return CPoint(-2, h / 2); };
    const ColorOf frameBorder = [](CXTPTabColorSet* p, int) { return COLORREF(p->m_clrFrameBorder); };
    const ColorOf slantBorder = [](CXTPTabColorSet* p, int) { return COLORREF(p->m_clrSlantedTabBorder); };
    const ColorOf highlight = [](CXTPTabColorSet* p, int) { return COLORREF(p->m_clrTabHighlight); };
    const Case cases[] = {
        {0, 1, grownLeftEdge, highlight},
        {1, 1, grownLeftEdge, highlight},
        {2, 0, leftEdge, frameBorder},
        {3, 0, topEdge, slantBorder},
        {4, 0, leftEdge, [](CXTPTabColorSet*, int) { return GetColorManager()->GetColor(COLOR_BTNHIGHLIGHT); }},
        {5, 0, [](int w, int h) { return CPoint(w - 1, h / 2); }, frameBorder},
        {6, 0, leftEdge, frameBorder},
        {7, 0, topEdge,
         [](CXTPTabColorSet* p, int nPosition) {
             return COLORREF(p->m_normalBlock[nPosition == 2 ? CXTPTabColorSet::edgeOuterBottom
                                                             : CXTPTabColorSet::edgeOuterLeftTop]);
         }},
        {8, 0, topEdge, [](CXTPTabColorSet* p, int) { return COLORREF(p->m_clrFrameHighlight); }},
        {9, 0, topEdge, slantBorder},
    };
    for (const Case& c : cases) {
        for (int nPosition : {0, 2}) {
            TabManagerHost host(360, 90);
            CXTPTabPaintManager* pPaint = host.GetPaintManager();
            pPaint->SetAppearance(c.nStyle);
            pPaint->SetPositionOption(nPosition);
            AddBlankTabs(host, 3);
            host.SetCurSel(1);
            host.Reposition();
            host.Paint();
            CXTPTabColorSet* pColors = pPaint->GetColorSet();
            const MemoryCanvas& canvas = host.Canvas();

            // The stacked bars lie the same way whatever the position.
            const TabShapeFrame frame(host.ItemAtIndex(c.nItem)->GetRect(), c.nStyle == 8 ? 0 : nPosition);
            const CPoint ptLocal = c.point(frame.Width(), frame.Height());
            const CPoint ptOutline = frame.Map(ptLocal.x, ptLocal.y);
            EXPECT_EQ(c.outline(pColors, nPosition), canvas.At(ptOutline.x, ptOutline.y))
                << "style " << c.nStyle << " position " << nPosition << " at " << ptOutline.x << "," << ptOutline.y;

            CXTPTabManagerItem* pSelected = host.ItemAtIndex(1);
            const CPoint ptFill = pSelected->GetRect().CenterPoint();
            const COLORREF clrFace = c.nStyle == 4 ? COLORREF(pColors->m_clrSelectedFill.clrStart)
                                                   : pColors->TabFillColor(pSelected);
            // The scheme set shades its faces from a lighter tint down to the face.
            const COLORREF clrFrom =
                c.nStyle == 3 || c.nStyle == 9 ? CXTPColorManager::BlendColors(clrFace, kWhite, 300) : clrFace;
            EXPECT_PRED3(Between, canvas.At(ptFill.x, ptFill.y), clrFrom, clrFace)
                << "style " << c.nStyle << " position " << nPosition;
        }
    }
}
