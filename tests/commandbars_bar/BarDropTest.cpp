// Controls dragged onto a bar while customizing: where they land, the marker
// that shows it, and what a drop changes.
#include <gtest/gtest.h>

#include "BarTestWindows.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "WindowTestBar.h"

namespace {

// Three 20-px buttons side by side (A 0-20, B 20-40, C 40-60) or three 20-px
// menu entries under each other, placed directly.
std::vector<SizedControl*> PlaceThree(WindowTestBar* pBar, bool bVertical)
{
    std::vector<SizedControl*> controls;
    for (int i = 0; i < 3; ++i) {
        SizedControl* pControl = pBar->AddSized(20);
        pControl->SetRect(bVertical ? CRect(0, i * 20, 100, i * 20 + 20) : CRect(i * 20, 0, i * 20 + 20, 20));
        controls.push_back(pControl);
    }
    return controls;
}

struct DropPosition {
    CRect rcMarker;
    int nIndex = -2;
    BOOL bAfter = -1;
};

DropPosition Find(WindowTestBar* pBar, CXTPControl* pDragged, CPoint point)
{
    DropPosition position;
    pBar->FindDropPosition(pDragged, point, position.rcMarker, position.nIndex, position.bAfter);
    return position;
}

} // namespace

TEST(BarDrop, PositionsAlongARowAndAColumn)
{
    struct Case {
        const char* name;
        bool bVertical;
        int nGroupAt;     // the control that begins a group, -1 none
        int nHiddenAt;    // a hidden control, -1 none
        int nDraggedAt;   // the dragged control is this bar's, -1 a foreign one
        CPoint point;
        CRect rcMarker;
        int nIndex;
        BOOL bAfter;
    };
    const Case cases[] = {
        {"left half of B: at B's left edge", false, -1, -1, -1, {25, 10}, {20, 0, 26, 20}, 1, FALSE},
        {"right half of B: at B's right edge", false, -1, -1, -1, {35, 10}, {40, 0, 46, 20}, 1, TRUE},
        {"right half of B before a group: inside B", false, 2, -1, -1, {35, 10}, {34, 0, 40, 20}, 1, TRUE},
        {"right half of the last control", false, -1, -1, -1, {58, 10}, {60, 0, 66, 20}, 2, TRUE},
        {"a hidden control is passed over", false, -1, 0, -1, {5, 10}, {20, 0, 26, 20}, 1, FALSE},
        {"over the dragged control itself: no marker", false, -1, -1, 1, {25, 10}, {0, 0, 0, 0}, 1, FALSE},
        {"upper half of a menu entry", true, -1, -1, -1, {50, 25}, {0, 20, 100, 26}, 1, FALSE},
        {"lower half of the last entry", true, -1, -1, -1, {50, 55}, {0, 60, 100, 66}, 2, TRUE},
        {"lower half before a group", true, 2, -1, -1, {50, 35}, {0, 34, 100, 40}, 1, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowBarHolder bar(c.bVertical ? xtpBarTypePopup : xtpBarTypeNormal, c.bVertical ? xtpBarPopup : xtpBarTop);
        std::vector<SizedControl*> controls = PlaceThree(bar.pBar, c.bVertical);
        if (c.nGroupAt >= 0)
            controls[c.nGroupAt]->SetBeginGroup(TRUE);
        if (c.nHiddenAt >= 0)
            controls[c.nHiddenAt]->SetHideFlags(xtpHideGeneric);
        SizedControl foreign;
        CXTPControl* pDragged = c.nDraggedAt >= 0 ? controls[c.nDraggedAt] : &foreign;
        const DropPosition position = Find(bar.pBar, pDragged, c.point);
        EXPECT_EQ(position.rcMarker, c.rcMarker);
        EXPECT_EQ(position.nIndex, c.nIndex);
        EXPECT_EQ(position.bAfter, c.bAfter);
    }
}

TEST(BarDrop, APointInALaterRowLandsInThatRow)
{
    WindowBarHolder bar;
    for (int i = 0; i < 4; ++i)
        bar->AddSized(20);
    bar->Layout(74, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    CXTPControl* pWrapped = bar->GetAt(3);
    ASSERT_TRUE(pWrapped->GetWrap()) << "three controls fit a row";
    const CRect rcWrapped = pWrapped->GetRect();
    const CRect rcSecond = bar->GetAt(1)->GetRect();
    SizedControl dragged;

    // Under the second control, whose centre is nearer than the wrapped one's.
    const DropPosition below = Find(bar.pBar, &dragged, CPoint(rcSecond.CenterPoint().x, rcWrapped.top + 5));
    EXPECT_EQ(below.nIndex, 3);
    EXPECT_TRUE(below.bAfter);
    EXPECT_EQ(below.rcMarker, CRect(rcWrapped.right, rcWrapped.top, rcWrapped.right + 6, rcWrapped.bottom));

    const DropPosition above = Find(bar.pBar, &dragged, CPoint(rcSecond.CenterPoint().x + 1, rcSecond.top + 5));
    EXPECT_EQ(above.nIndex, 1) << "the later row is not searched";
    EXPECT_TRUE(above.bAfter);
}

TEST(BarDrop, DraggingOverAnEmptyBarMarksItsLeftSide)
{
    FrameHolder frame;
    WindowBarHolder bar;
    ASSERT_TRUE(bar->CreateBar(frame.pFrame, CRect(0, 0, 100, 24)));
    SizedControl dragged;
    bar->OnCustomizeDragEnter(&dragged, CPoint(50, 10));
    EXPECT_EQ(bar->GetDropMarker(), CRect(2, 2, 8, 22));
    bar->OnCustomizeDragLeave();
    EXPECT_TRUE(bar->GetDropMarker().IsRectEmpty());

    bar->SetCustomizable(FALSE);
    EXPECT_EQ(bar->OnCustomizeDragOver(&dragged, CPoint(50, 10)), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(bar->GetDropMarker().IsRectEmpty()) << "a bar that is not customizable takes nothing";
}

TEST(BarDrop, DroppingAControlOnItsOwnPlaceMovesItsGroupMark)
{
    struct Case {
        const char* name;
        int nDragged;
        BOOL bBeginGroupBefore;
        CPoint ptDrag;
        CPoint ptDrop;
        BOOL bBeginGroup;
    };
    const Case cases[] = {
        {"5 px, ending in its right half: a group starts at it", 1, FALSE, {27, 10}, {32, 10}, TRUE},
        {"5 px, ending in its left half: its group mark goes", 1, TRUE, {21, 10}, {26, 10}, FALSE},
        {"3 px: nothing changes", 1, TRUE, {21, 10}, {24, 10}, TRUE},
        {"3 px down and 5 px left count as a move", 1, FALSE, {37, 7}, {32, 10}, TRUE},
        {"the first control never begins a group", 0, FALSE, {8, 10}, {13, 10}, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowBarHolder bar;
        std::vector<SizedControl*> controls = PlaceThree(bar.pBar, false);
        controls[c.nDragged]->SetBeginGroup(c.bBeginGroupBefore);
        DWORD dropEffect = DROPEFFECT_MOVE;
        bar->OnCustomizeDrop(controls[c.nDragged], dropEffect, c.ptDrop, c.ptDrag);
        EXPECT_EQ(dropEffect, static_cast<DWORD>(XTP_DROPEFFECT_CANCEL)) << "the source keeps the control";
        EXPECT_EQ(controls[c.nDragged]->GetBeginGroup(), c.bBeginGroup);
        EXPECT_EQ(bar->GetControls()->GetCount(), 3);
        EXPECT_EQ(bar->m_nLayouts, 1);
    }
}

TEST(BarDrop, ANewControlTakesOverTheGroupMarkOfTheOneItLandsBefore)
{
    WindowBarHolder bar;
    std::vector<SizedControl*> controls = PlaceThree(bar.pBar, false);
    controls[1]->SetBeginGroup(TRUE);
    SizedControl dragged;
    dragged.SetID(77);
    DWORD dropEffect = DROPEFFECT_MOVE;
    bar->OnCustomizeDrop(&dragged, dropEffect, CPoint(25, 10), CPoint(300, 10));
    ASSERT_EQ(bar->GetControls()->GetCount(), 4);
    CXTPControl* pNew = bar->GetAt(1);
    EXPECT_EQ(pNew->GetID(), 77);
    EXPECT_NE(pNew, &dragged) << "a copy lands";
    EXPECT_TRUE(pNew->GetBeginGroup());
    EXPECT_FALSE(controls[1]->GetBeginGroup());
    EXPECT_EQ(dropEffect, static_cast<DWORD>(DROPEFFECT_MOVE));

    bar->OnCustomizeDrop(&dragged, dropEffect, CPoint(75, 10), CPoint(300, 10));
    ASSERT_EQ(bar->GetControls()->GetCount(), 5);
    EXPECT_EQ(bar->GetAt(4)->GetID(), 77) << "after the last control";
    EXPECT_TRUE(bar->GetDropMarker().IsRectEmpty());
}
