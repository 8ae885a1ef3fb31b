// The windows and services a bar falls back along: site, owner site, paint and
// image manager; and the bar's end with a live window.
#include <gtest/gtest.h>

#include "BarTestWindows.h"
#include "CXTPImageManager.h"
#include "CXTPPaintManager.h"
#include "WindowTestBar.h"

namespace {

// A bar opened from another one, as a popup is from its menu bar.
class ChildBar : public WindowTestBar {
public:
    explicit ChildBar(CXTPCommandBar* pParentBar) : m_pParentBar(pParentBar) {}
    CXTPCommandBar* GetParentCommandBar() const override { return m_pParentBar; }
    CXTPCommandBar* m_pParentBar;
};

} // namespace

TEST(BarLookup, SiteFallsBackFromOwnerToOwnerWindowToMainWindow)
{
    FrameHolder frame;
    RecordingSite site;
    ASSERT_TRUE(site.CreateSite());
    CWnd* pPreviousMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = frame.pFrame;

    WindowBarHolder root;
    ChildBar* pChild = new ChildBar(root.pBar);
    EXPECT_EQ(pChild->GetSite(), frame.pFrame) << "no owner and no window: the main window";

    ASSERT_TRUE(root->CreateBar(&site, CRect(0, 0, 100, 20)));
    EXPECT_EQ(pChild->GetSite()->GetSafeHwnd(), site.GetSafeHwnd()) << "the root's window owner (its parent)";

    RecordingSite owner;
    ASSERT_TRUE(owner.CreateSite());
    root->SetOwner(&owner);
    EXPECT_EQ(pChild->GetSite(), &owner) << "the root's explicit owner first";
    pChild->SetOwner(&site);
    EXPECT_EQ(pChild->GetSite(), &owner) << "a child's own owner is not asked";

    EXPECT_EQ(pChild->GetOwnerSite(), &owner) << "without a notify owner: the site";
    root->SetNotifyOwner(&site);
    EXPECT_EQ(pChild->GetOwnerSite(), &site) << "the root's notify owner";

    pChild->InternalRelease();
    AfxGetApp()->m_pMainWnd = pPreviousMain;
}

TEST(BarLookup, PaintAndImageManagersFallBackToTheRootThenGlobal)
{
    auto* pRoot = new WindowTestBar;
    auto* pChild = new ChildBar(pRoot);
    pChild->SetPaintManager(nullptr);
    pRoot->SetPaintManager(nullptr);
    EXPECT_EQ(pChild->GetPaintManager(), CXTPPaintManager::GetGlobalPaintManager());
    EXPECT_EQ(pChild->GetImageManager(), XTPImageManager());

    CXTPPaintManager* pRootPaint = CXTPPaintManager::CreateTheme(0);
    auto* pRootImages = new CXTPImageManager;
    pRoot->SetPaintManager(pRootPaint);
    pRoot->SetImageManager(pRootImages);
    EXPECT_EQ(pChild->GetPaintManager(), pRootPaint);
    EXPECT_EQ(pChild->GetImageManager(), pRootImages);

    CXTPPaintManager* pOwnPaint = CXTPPaintManager::CreateTheme(0);
    auto* pOwnImages = new CXTPImageManager;
    pChild->SetPaintManager(pOwnPaint);
    pChild->SetImageManager(pOwnImages);
    EXPECT_EQ(pChild->GetPaintManager(), pOwnPaint);
    EXPECT_EQ(pChild->GetImageManager(), pOwnImages);

    pChild->InternalRelease();
    pRoot->InternalRelease();
}

TEST(BarLifetime, FinalReleaseDestroysALiveWindowThenTheBar)
{
    FrameHolder frame;
    bool bDestroyed = false;
    auto* pBar = new WindowTestBar(xtpBarTypeNormal, xtpBarTop, &bDestroyed);
    ASSERT_TRUE(pBar->CreateBar(frame.pFrame, CRect(0, 0, 100, 20)));
    const HWND hWnd = pBar->GetSafeHwnd();
    pBar->InternalRelease();
    EXPECT_TRUE(bDestroyed);
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(BarWindow, RightToLeftAndPointInBarFollowTheWindow)
{
    FrameHolder frame;
    WindowBarHolder bar;
    EXPECT_FALSE(bar->IsRTL()) << "no window";
    EXPECT_EQ(bar->IsPointInBar(CPoint(5, 5)), 0) << "no window";
    ASSERT_TRUE(bar->CreateBar(frame.pFrame, CRect(10, 10, 110, 30), 0, WS_VISIBLE, WS_EX_LAYOUTRTL));
    EXPECT_TRUE(bar->IsRTL());
    CRect rcWindow;
    bar->GetWindowRect(&rcWindow);
    EXPECT_EQ(bar->IsPointInBar(rcWindow.TopLeft()), 1);
    EXPECT_EQ(bar->IsPointInBar(CPoint(rcWindow.right, rcWindow.top)), 0) << "the right edge is outside";
}
