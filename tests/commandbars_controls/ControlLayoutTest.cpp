// The row layout of the control collection over controls of fixed sizes.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestBar.h"

namespace {

const CRect kBorder(2, 3, 4, 5);
constexpr DWORD kDocked = LM_HORZ | LM_HORZDOCK | LM_COMMIT;

} // namespace

TEST(ControlLayout, BarWithoutVisibleControlsMeasures23By22PlusMargins)
{
    struct Case {
        const char* name;
        int nControls;
        DWORD dwHide;
        DWORD dwMode;
        int nMinimum;
        CSize expected;
    };
    const Case cases[] = {
        {"empty", 0, 0, kDocked, 0, CSize(2 + 4 + 23, 3 + 5 + 22)},
        {"all hidden", 3, xtpHideGeneric, kDocked, 0, CSize(29, 30)},
        {"docked: minimum raises the height", 0, 0, kDocked, 40, CSize(29, 40)},
        {"floating: minimum raises the width", 2, xtpHideDocTemplate, LM_HORZ | LM_COMMIT, 50, CSize(50, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BarHolder bar;
        std::vector<SizedControl*> controls;
        for (int i = 0; i < c.nControls; ++i) {
            controls.push_back(bar->AddSized(30));
            controls.back()->SetHideFlags(c.dwHide);
            controls.back()->SetRect(CRect(1, 2, 3, 4));
        }
        EXPECT_EQ(bar->Layout(100, c.dwMode, kBorder, c.nMinimum), c.expected);
        for (SizedControl* pControl : controls) {
            EXPECT_EQ(pControl->GetRect(), CRect(1, 2, 3, 4)) << "controls are left as they are";
            EXPECT_EQ(pControl->GetHideFlags(), c.dwHide);
        }
    }
}

TEST(ControlLayout, RowsPlaceControlsAndBreakAtTheOverflowingGroup)
{
    // Four 20-pixel controls in a 70-pixel row: the third begins a group
    // (6 more pixels while wrapping), the fourth overflows.
    struct Case {
        const char* name;
        BOOL bThirdBeginsGroup;
        int nWrapAt;
    };
    const Case cases[] = {
        {"break moves back to the group start", TRUE, 2},
        {"no group: the overflowing control wraps", FALSE, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BarHolder bar;
        const CSize szSeparator = bar->SeparatorSize();
        std::vector<SizedControl*> controls;
        for (int i = 0; i < 4; ++i)
            controls.push_back(bar->AddSized(20, 20, 0, i == 2 && c.bThirdBeginsGroup));
        const CSize size = bar->Layout(70 + kBorder.left + kBorder.right, kDocked, kBorder);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(controls[i]->GetWrap(), i == c.nWrapAt) << i;
        // The first row as it is drawn: the separator's width before a group start.
        EXPECT_EQ(controls[0]->GetRect(), CRect(2, 3, 22, 23));
        EXPECT_EQ(controls[1]->GetRect(), CRect(22, 3, 42, 23));
        const CSize szGroupRow(0, c.bThirdBeginsGroup ? szSeparator.cy : 0);
        const int nSecondRowTop = 3 + 20 + szGroupRow.cy;
        EXPECT_EQ(controls[c.nWrapAt]->GetRect(), CRect(2, nSecondRowTop, 22, nSecondRowTop + 20));
        EXPECT_EQ(controls[3]->GetRect().top, nSecondRowTop);
        EXPECT_EQ(controls[0]->GetRowRect(), CRect(2, 3, size.cx - kBorder.right, 23));
        // Wrapped rows stretch the bar to the length it was given.
        EXPECT_EQ(size.cx, 70 + kBorder.left + kBorder.right);
        EXPECT_EQ(size.cy, nSecondRowTop + 20 + kBorder.bottom);
    }
}

TEST(ControlLayout, SingleRowHidesWhatDoesNotFitButNeverTheFirstControl)
{
    struct Case {
        const char* name;
        std::vector<int> widths;
        int nLength;
        std::vector<bool> hidden;
    };
    const Case cases[] = {
        {"third does not fit", {30, 30, 30, 10}, 70, {false, false, true, true}},
        {"everything fits", {30, 30, 30}, 100, {false, false, false}},
        {"first alone is too wide", {100, 10}, 50, {false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BarHolder bar;
        std::vector<SizedControl*> controls;
        for (int nWidth : c.widths)
            controls.push_back(bar->AddSized(nWidth));
        // A control hidden by an earlier layout shows again when there is room.
        controls.back()->SetHideFlags(xtpHideWrap);
        bar->Layout(c.nLength + 4, kDocked | LM_SINGLEROW, CRect(2, 2, 2, 2));
        for (size_t i = 0; i < controls.size(); ++i) {
            EXPECT_EQ((controls[i]->GetHideFlags() & xtpHideWrap) != 0, c.hidden[i]) << i;
            EXPECT_FALSE(controls[i]->GetWrap()) << i;
        }
        EXPECT_EQ(controls[0]->GetRect().left, 2);
    }
}

TEST(ControlLayout, StretchedControlsShareTheSpareLengthAndRightAlignedOnesEndTheRow)
{
    BarHolder bar;
    SizedControl* pPlain = bar->AddSized(20);
    std::vector<SizedControl*> stretched;
    for (int i = 0; i < 3; ++i)
        stretched.push_back(bar->AddSized(20, 20, xtpFlagControlStretched));
    // 80 pixels of controls in a 90-pixel row: 10 to share.
    const CSize size = bar->Layout(90 + 4, kDocked | LM_STRETCH, CRect(2, 2, 2, 2));
    EXPECT_EQ(size, CSize(94, 24));
    EXPECT_EQ(pPlain->GetRect(), CRect(2, 2, 22, 22));
    EXPECT_EQ(stretched[0]->GetRect(), CRect(22, 2, 45, 22));
    EXPECT_EQ(stretched[1]->GetRect(), CRect(45, 2, 68, 22));
    EXPECT_EQ(stretched[2]->GetRect(), CRect(68, 2, 92, 22));

    // A right-aligned control at the end: pushed to the far edge, and the
    // stretched one takes the space up to it.
    BarHolder aligned;
    SizedControl* pStretched = aligned->AddSized(20, 20, xtpFlagControlStretched);
    SizedControl* pRight = aligned->AddSized(20, 20, xtpFlagRightAlign);
    aligned->Layout(100 + 4, kDocked | LM_STRETCH, CRect(2, 2, 2, 2));
    EXPECT_EQ(pRight->GetRect(), CRect(82, 2, 102, 22));
    EXPECT_EQ(pStretched->GetRect(), CRect(2, 2, 82, 22));
}

TEST(ControlLayout, FloatingBarFitsItsRowsToTheLength)
{
    // Ten 20-pixel controls asked into 100 pixels: two rows of five, and the
    // narrowest width that keeps two rows.
    BarHolder bar;
    for (int i = 0; i < 10; ++i)
        bar->AddSized(20);
    const CSize size = bar->Layout(104, LM_HORZ | LM_COMMIT, CRect(2, 2, 2, 2));
    EXPECT_EQ(size, CSize(104, 44));
    EXPECT_TRUE(bar->GetAt(5)->GetWrap());
    EXPECT_EQ(bar->GetAt(9)->GetRect(), CRect(82, 22, 102, 42));
}
