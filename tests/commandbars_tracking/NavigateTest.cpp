// The navigation codes of a tracking bar.
#include <gtest/gtest.h>

#include "CXTPMouseTracker.h"
#include "TrackingTestBar.h"

namespace {

class Navigate : public ::testing::Test {
protected:
    RecordingSite m_site;
};

} // namespace

TEST_F(Navigate, CodesOnAMenuBar)
{
    // 0 plain, 1 popup, 2 skipped by the keyboard, 3 popup, 4 plain.
    TrackingBarHolder bar(TrackingBar::Create(&m_site, xtpBarTop, xtpBarTypeMenuBar));
    RecordingControl* pPlain = bar->Add();
    auto* pFile = bar->Add<PopupControl>();
    bar->Add()->SetFlags(xtpFlagSkipFocus);
    auto* pEdit = bar->Add<PopupControl>();
    bar->Add();
    bar->LayOut();
    bar->SetTrackingMode(1, FALSE, TRUE);

    struct Case {
        const char* name;
        int nSelectedBefore;
        int nCode;
        BOOL bResult;
        int nSelected;
    };
    const Case walks[] = {
        {"next", 1, XTP_NAVIGATE_NEXT, TRUE, 3},
        {"next wraps", 4, XTP_NAVIGATE_NEXT, TRUE, 0},
        {"previous", 3, XTP_NAVIGATE_PREVIOUS, TRUE, 1},
        {"previous wraps", 0, XTP_NAVIGATE_PREVIOUS, TRUE, 4},
        {"first", 3, XTP_NAVIGATE_FIRST, TRUE, 0},
        {"last", 1, XTP_NAVIGATE_LAST, TRUE, 4},
        {"close without an open popup", 0, XTP_NAVIGATE_CLOSEPOPUP, FALSE, 0},
        {"open a plain control", 0, XTP_NAVIGATE_OPENPOPUP, FALSE, 0},
    };
    for (const Case& c : walks) {
        SCOPED_TRACE(c.name);
        bar->SetSelected(c.nSelectedBefore, TRUE);
        EXPECT_EQ(bar->OnNavigate(c.nCode), c.bResult);
        EXPECT_EQ(bar->GetSelectedIndex(), c.nSelected);
        EXPECT_EQ(bar->GetAt(c.nSelected)->GetSelected(), 2);
    }

    // Down opens; Up on a closed menu of the menu bar opens it as well.
    bar->SetSelected(1, TRUE);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_OPENPOPUP));
    EXPECT_TRUE(pFile->m_bOpen);
    EXPECT_EQ(bar->GetTrackingMode(), 2);
    EXPECT_FALSE(bar->OnNavigate(XTP_NAVIGATE_OPENPOPUP)) << "already open";
    // Moving on keeps a menu open on the next entry.
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_NEXT));
    EXPECT_EQ(bar->GetSelectedIndex(), 3);
    EXPECT_FALSE(pFile->m_bOpen);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_CLOSEPOPUP));
    EXPECT_EQ(bar->GetTrackingMode(), 1);
    EXPECT_EQ(bar->GetPopupedIndex(), -1);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_CLOSEPOPUP)) << "up on a closed menu opens it";
    EXPECT_TRUE(pEdit->m_bOpen);

    bar->SetSelected(0, TRUE);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_EXECUTE));
    ASSERT_EQ(pPlain->m_calls.size(), 1u);
    EXPECT_EQ(pPlain->m_calls[0], L"key click");

    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_CANCEL));
    EXPECT_EQ(bar->GetTrackingMode(), 0);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
    EXPECT_FALSE(bar->OnNavigate(99));
}

TEST_F(Navigate, CancelHandsTheKeyboardBackToTheParentBar)
{
    TrackingBarHolder parent(TrackingBar::Create(&m_site, xtpBarTop, xtpBarTypeMenuBar));
    parent->Add<PopupControl>();
    parent->LayOut();
    TrackingBarHolder menu(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup, 0, CPoint(100, 200)));
    menu->m_pParentBar = parent.Get();
    menu->Add();
    menu->Add<PopupControl>();
    menu->LayOut();

    parent->SetPopuped(0, TRUE);
    menu->SetTrackingMode(1, TRUE, TRUE);
    EXPECT_FALSE(menu->OnNavigate(XTP_NAVIGATE_CLOSEPOPUP)) << "a submenu without an open popup leaves Left to its parent";
    EXPECT_TRUE(menu->OnNavigate(XTP_NAVIGATE_CANCEL));
    EXPECT_EQ(menu->GetTrackingMode(), 0);
    EXPECT_EQ(menu->GetSelectedIndex(), -1);
    EXPECT_EQ(parent->GetTrackingMode(), 1);
}

TEST_F(Navigate, UpAndDownMoveBetweenTheRowsOfAFloatingBar)
{
    // Three rows in 100 px: [0 at 0, 1 at 40], [2 at 0, 3 at 30, 4 at 60], [5 at 0, 6 at 50].
    TrackingBarHolder bar(TrackingBar::Create(&m_site, xtpBarFloating));
    for (int nWidth : {40, 40, 30, 30, 30, 50, 40})
        bar->Add(L"", nWidth);
    bar->LayOut(100);
    ASSERT_EQ(bar->GetAt(2)->GetRect().left, 0);
    ASSERT_EQ(bar->GetAt(4)->GetRect().left, 60);
    ASSERT_EQ(bar->GetAt(6)->GetRect().left, 50);
    bar->SetTrackingMode(1, FALSE, TRUE);

    struct Case {
        const char* name;
        int nFrom;
        int nCode;
        int nTo;
    };
    const Case cases[] = {
        {"down keeps the nearest left edge at or before", 1, XTP_NAVIGATE_OPENPOPUP, 3},
        {"down from the row's start", 0, XTP_NAVIGATE_OPENPOPUP, 2},
        {"down from the far right", 4, XTP_NAVIGATE_OPENPOPUP, 6},
        {"up keeps the nearest left edge at or after", 3, XTP_NAVIGATE_CLOSEPOPUP, 1},
        {"up past every left edge takes the row's last", 4, XTP_NAVIGATE_CLOSEPOPUP, 1},
        {"up from the last row", 6, XTP_NAVIGATE_CLOSEPOPUP, 4},
        {"down from the last row wraps to the first", 5, XTP_NAVIGATE_OPENPOPUP, 0},
        {"no selection: down takes the first control", -1, XTP_NAVIGATE_OPENPOPUP, 0},
        {"no selection: up takes the last control", -1, XTP_NAVIGATE_CLOSEPOPUP, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetSelected(c.nFrom, TRUE);
        EXPECT_TRUE(bar->OnNavigate(c.nCode));
        EXPECT_EQ(bar->GetSelectedIndex(), c.nTo);
    }
}

TEST_F(Navigate, OneRowOfAFloatingBarStaysPut)
{
    TrackingBarHolder bar(TrackingBar::Create(&m_site, xtpBarFloating));
    bar->Add()->SetFlags(xtpFlagSkipFocus);
    bar->Add();
    bar->Add();
    bar->LayOut();
    bar->SetTrackingMode(1, FALSE, TRUE);
    bar->SetSelected(0, FALSE);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_OPENPOPUP)) << "a selection the walk never meets ends the walk too";
    EXPECT_EQ(bar->GetSelectedIndex(), 0);
    bar->SetSelected(2, TRUE);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_CLOSEPOPUP));
    EXPECT_EQ(bar->GetSelectedIndex(), 2);
}

TEST_F(Navigate, APopupToolbarWithAnOpenPopupLeavesNextAloneAndClosesOnPrevious)
{
    TrackingBarHolder bar(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypeNormal));
    bar->Add();
    auto* pPopup = bar->Add<PopupControl>();
    bar->Add();
    bar->LayOut();
    bar->SetTrackingMode(1, FALSE, TRUE);
    bar->SetSelected(1, TRUE);

    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_CLOSEPOPUP)) << "up on a popup control opens it";
    ASSERT_TRUE(pPopup->m_bOpen);
    EXPECT_FALSE(bar->OnNavigate(XTP_NAVIGATE_NEXT)) << "next belongs to the open popup";
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    EXPECT_TRUE(pPopup->m_bOpen);
    EXPECT_TRUE(bar->OnNavigate(XTP_NAVIGATE_PREVIOUS)) << "previous closes it";
    EXPECT_FALSE(pPopup->m_bOpen);
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    EXPECT_EQ(bar->GetTrackingMode(), 1);
}
