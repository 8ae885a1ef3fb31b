// Sizes of a toolbar: icon sizes from its own value and the options, the
// docked size with the overflow button, and its part of a plain parent's
// layout.
#include <gtest/gtest.h>

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPToolBarExpandButton.h"
#include "TestResourceIds.h"
#include "TestToolBar.h"

TEST(ToolBarIconSize, OwnSizeOptionsAndLargeIcons)
{
    struct IconCase {
        const char* name;
        bool bOwner;
        int nType;
        CSize szOwn;
        CSize szButtons;
        CSize szOption;
        BOOL bLarge;
        CSize szLargeOption;
        CSize szExpected;
    };
    const CSize none(0, 0);
    const IconCase cases[] = {
        {"no owner, nothing set", false, xtpBarTypeNormal, none, none, none, FALSE, none, CSize(16, 16)},
        {"no owner, own size", false, xtpBarTypeNormal, CSize(24, 24), none, none, FALSE, none, CSize(24, 24)},
        {"the option", true, xtpBarTypeNormal, none, none, CSize(20, 20), FALSE, none, CSize(20, 20)},
        {"own size before the option", true, xtpBarTypeNormal, CSize(24, 24), none, CSize(20, 20), FALSE, none,
         CSize(24, 24)},
        {"large with no sizes set", true, xtpBarTypeNormal, none, none, none, TRUE, none, CSize(32, 32)},
        {"large doubles the own size", true, xtpBarTypeNormal, CSize(24, 24), none, none, TRUE, none, CSize(48, 48)},
        {"large size option", true, xtpBarTypeNormal, none, none, none, TRUE, CSize(40, 40), CSize(40, 40)},
        {"large, but an own button size", true, xtpBarTypeNormal, none, CSize(30, 30), none, TRUE, none,
         CSize(16, 16)},
        {"popup: the popup option", true, xtpBarTypePopup, none, none, CSize(20, 20), TRUE, none, CSize(16, 16)},
        {"popup: own size", true, xtpBarTypePopup, CSize(24, 24), none, none, TRUE, none, CSize(24, 24)},
    };
    for (const IconCase& c : cases) {
        SCOPED_TRACE(c.name);
        OwnerHolder owner;
        owner.Options()->szIcons = c.szOption;
        owner.Options()->bLargeIcons = c.bLarge;
        owner.Options()->szLargeIcons = c.szLargeOption;
        ToolBarHolder bar;
        if (c.bOwner)
            bar->SetCommandBars(owner.pCommandBars);
        bar->SetType(c.nType);
        bar->SetIconSize(c.szOwn);
        bar->SetButtonSize(c.szButtons);
        EXPECT_EQ(bar->GetBarIconSize(), c.szExpected);
    }
}

TEST(ToolBarIconSize, TextBelowIconsFollowsTheOptionOnlyInMode2)
{
    OwnerHolder owner;
    owner.Options()->bShowTextBelowIcons = TRUE;
    ToolBarHolder bar;
    bar->SetShowTextBelowIcons(2);
    EXPECT_EQ(bar->GetShowTextBelowIcons(), 0) << "no owner, no option";
    bar->SetCommandBars(owner.pCommandBars);
    EXPECT_EQ(bar->GetShowTextBelowIcons(), 1);
    bar->SetShowTextBelowIcons(0);
    EXPECT_EQ(bar->GetShowTextBelowIcons(), 0);
    EXPECT_TRUE(bar->GetState() & XTP_BARSTATE_LAYOUT) << "a new mode asks for a layout";
}

namespace {

// A docked bar of the small resource with an owner; the overflow button is
// made on the first layout.
struct DockedBar {
    DockedBar()
    {
        bar->SetCommandBars(owner.pCommandBars);
        bar->PutAt(xtpBarTop);
        bar->LoadToolBarResource(IDR_TB_SMALL, FALSE);
    }
    CSize Layout(int nLength, DWORD dwMode) { return bar->CalcDynamicLayout(nLength, dwMode); }
    CXTPControl* Expand() const { return bar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND); }
    BOOL Hidden(int nId) const { return !bar->GetControls()->FindControl(nId)->IsVisible(); }

    OwnerHolder owner;
    ToolBarHolder bar;
};

constexpr DWORD kDockedCommit = LM_COMMIT | LM_HORZDOCK | LM_HORZ;

} // namespace

TEST(ToolBarDockedSize, TheOverflowButtonTakesRoomAtTheEnd)
{
    DockedBar docked;
    docked.owner.Options()->bShowExpandButtonAlways = FALSE;
    const CSize szPlain = docked.Layout(1000, kDockedCommit);
    ASSERT_NE(docked.Expand(), nullptr);
    EXPECT_FALSE(docked.Expand()->IsVisible()) << "everything fits: no button";

    docked.owner.Options()->bShowExpandButtonAlways = TRUE;
    const CSize szAlways = docked.Layout(1000, kDockedCommit);
    EXPECT_EQ(szAlways.cx, szPlain.cx + 11);
    EXPECT_TRUE(docked.Expand()->IsVisible());
    EXPECT_EQ(docked.Expand()->GetRect().right, szAlways.cx - 2) << "placed in the end area";
    EXPECT_FALSE(static_cast<CXTPToolBarExpandButton*>(docked.Expand())->HasHiddenControls());
    EXPECT_EQ(docked.bar->GetControls()->GetCount(), 4) << "made once";
}

TEST(ToolBarDockedSize, ControlsHiddenForLackOfRoomBringTheMarkedButton)
{
    DockedBar docked;
    docked.owner.Options()->bShowExpandButtonAlways = FALSE;
    const CSize szFull = docked.Layout(1000, kDockedCommit | LM_SINGLEROW);
    docked.Layout(szFull.cx - 20, kDockedCommit | LM_SINGLEROW);
    EXPECT_TRUE(docked.Hidden(ID_TB_THIRD));
    ASSERT_TRUE(docked.Expand()->IsVisible());
    EXPECT_TRUE(static_cast<CXTPToolBarExpandButton*>(docked.Expand())->HasHiddenControls());

    docked.Layout(1000, kDockedCommit | LM_SINGLEROW);
    EXPECT_FALSE(docked.Expand()->IsVisible()) << "room again: the button goes";
    EXPECT_FALSE(docked.Hidden(ID_TB_THIRD));
}

TEST(ToolBarDockedSize, MeasuringLeavesTheControlsAlone)
{
    DockedBar docked;
    docked.Layout(1000, kDockedCommit);
    const CRect rcFirst = docked.bar->GetControls()->GetAt(0)->GetRect();
    const BOOL bExpandVisible = docked.Expand()->IsVisible();
    docked.Layout(30, LM_HORZDOCK | LM_HORZ | LM_SINGLEROW);
    EXPECT_EQ(docked.bar->GetControls()->GetAt(0)->GetRect(), rcFirst);
    EXPECT_EQ(docked.Expand()->IsVisible(), bExpandVisible);
    EXPECT_FALSE(docked.Hidden(ID_TB_THIRD));
}

namespace {

class PlainParent : public CWnd {
public:
    BOOL CreateParent()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 200), nullptr, 0);
    }
};

} // namespace

TEST(ToolBarSizeParent, TheBarTakesTheTopOfTheRectangle)
{
    PlainParent parent;
    ASSERT_TRUE(parent.CreateParent());
    ToolBarHolder bar;
    ASSERT_TRUE(bar->LoadToolBarResource(IDR_TB_SMALL, FALSE));
    bar->PutAt(xtpBarTop);
    ASSERT_TRUE(bar->CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 0));

    AFX_SIZEPARENTPARAMS measure = {};
    measure.rect = CRect(0, 10, 400, 200);
    measure.sizeTotal = CSize(5, 7);
    bar->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&measure));
    const int cy = measure.rect.top - 10;
    EXPECT_GT(cy, 0);
    EXPECT_EQ(measure.sizeTotal.cy, 7 + cy);
    EXPECT_GT(measure.sizeTotal.cx, 5) << "the larger of the two widths";
    CRect rcWindow;
    bar->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Width(), 10) << "measuring moves nothing";

    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(1);
    layout.rect = CRect(0, 10, 400, 200);
    bar->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    ::EndDeferWindowPos(layout.hDWP);
    CRect rcBar;
    bar->GetWindowRect(&rcBar);
    parent.ScreenToClient(&rcBar);
    EXPECT_EQ(rcBar.top, 10);
    EXPECT_EQ(rcBar.Height(), cy);
    EXPECT_EQ(layout.rect.top, 10 + cy);

    bar->SetVisible(FALSE);
    AFX_SIZEPARENTPARAMS hidden = {};
    hidden.rect = CRect(0, 10, 400, 200);
    bar->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&hidden));
    EXPECT_EQ(hidden.rect.top, 10) << "a hidden bar takes nothing";
    parent.DestroyWindow();
}
