// The owner's bars: adding toolbars at a position, docking, floating,
// removing, keyboard activation, and hidden commands.
#include <gtest/gtest.h>

#include "CCmdTargetHold.h"
#include "ControlTestBar.h"
#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPControls.h"
#include "CXTPDockBar.h"
#include "CXTPToolBar.h"
#include "OwnerTestFrame.h"

namespace {

CXTPToolBar* AddButtons(CXTPToolBar* pBar, std::initializer_list<UINT> ids)
{
    std::vector<UINT> buttons(ids);
    pBar->SetButtons(buttons.data(), static_cast<int>(buttons.size()));
    return pBar;
}

// A popup-type control opening the bar it is given.
class PopupTestControl : public CXTPControl {
public:
    explicit PopupTestControl(CXTPCommandBar* pBar) : m_pPopupBar(pBar) { SetType(xtpControlPopup); }
    CXTPCommandBar* GetCommandBar() override { return m_pPopupBar; }
    CXTPCommandBar* m_pPopupBar;
};

} // namespace

TEST(OwnerBars, AddToolBarAtEachPosition)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    for (int nPosition : {xtpBarTop, xtpBarBottom, xtpBarLeft, xtpBarRight}) {
        SCOPED_TRACE(nPosition);
        CXTPToolBar* pBar = pBars->AddToolBar(L"Docked", nPosition);
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->GetPosition(), nPosition);
        EXPECT_EQ(pBar->GetDockBar(), pBars->GetDockBar(nPosition));
        EXPECT_EQ(pBar->GetParent(), pBars->GetDockBar(nPosition));
        EXPECT_EQ(pBar->GetTitle(), CString(L"Docked"));
    }
    CXTPToolBar* pFloating = pBars->AddToolBar(L"Floating", xtpBarFloating);
    ASSERT_NE(pFloating, nullptr);
    EXPECT_EQ(pFloating->GetPosition(), xtpBarFloating);
    EXPECT_EQ(pFloating->GetDockBar(), nullptr);
    EXPECT_EQ(pBars->GetCount(), 5);
    EXPECT_EQ(pBars->IndexOf(pFloating), 4);

    // A position no bar can take: no bar, the array as it was.
    EXPECT_EQ(pBars->AddToolBar(L"Nowhere", xtpBarNone), nullptr);
    EXPECT_EQ(pBars->GetCount(), 5);
}

TEST(OwnerBars, FloatDockAndRemove)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    CXTPToolBar* pBar = AddButtons(pBars->AddToolBar(L"Moved"), {1, 2, 3});
    CXTPToolBar* pOther = pBars->AddToolBar(L"Other");
    ASSERT_NE(pOther, nullptr);

    ASSERT_TRUE(pBars->FloatCommandBar(pBar));
    EXPECT_EQ(pBar->GetPosition(), xtpBarFloating);
    EXPECT_EQ(pBars->GetDockBar(0)->FindBar(pBar), -1);
    EXPECT_TRUE(pBar->GetStyle() & WS_POPUP);

    ASSERT_TRUE(pBars->DockCommandBar(pBar, xtpBarLeft));
    EXPECT_EQ(pBar->GetPosition(), xtpBarLeft);
    EXPECT_NE(pBars->GetDockBar(xtpBarLeft)->FindBar(pBar), -1);
    EXPECT_TRUE(pBar->GetStyle() & WS_CHILD);

    pBars->RemoveCommandBar(pBar);
    EXPECT_EQ(pBars->GetCount(), 1);
    EXPECT_EQ(pBars->GetAt(0), pOther);
    EXPECT_EQ(pBars->GetDockBar(xtpBarLeft)->FindBar(pBar), -1);
    EXPECT_EQ(pBars->GetAt(1), nullptr);
    EXPECT_EQ(pBars->GetAt(-1), nullptr);
}

TEST(OwnerBars, FindCommandBarById)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    CXTPToolBar* pFirst = pBars->AddToolBar(L"First");
    CXTPToolBar* pSecond = pBars->AddToolBar(L"Second");
    pSecond->SetBarID(214);
    EXPECT_EQ(pBars->FindCommandBar(214), pSecond);
    EXPECT_EQ(pBars->FindCommandBar(215), nullptr);
    // Id 0 is no bar's id, though the first bar has it.
    EXPECT_EQ(pFirst->GetBarID(), 0);
    EXPECT_EQ(pBars->FindCommandBar(0), nullptr);
}

TEST(OwnerBars, ActivateBarByKeyboard)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    CXTPToolBar* pOnly = AddButtons(pBars->AddToolBar(L"Only"), {0, 11, 12});

    // One bar: no next bar to move to.
    EXPECT_FALSE(pBars->ActivateBarByKeyboard(pOnly, +1));
    EXPECT_FALSE(pBars->ActivateBarByKeyboard(pOnly, -1));
    EXPECT_FALSE(pOnly->IsTrackingMode());

    // Direction 0 tracks the bar itself from its first visible control.
    EXPECT_TRUE(pBars->ActivateBarByKeyboard(pOnly, 0));
    EXPECT_EQ(pOnly->GetTrackingMode(), xtpTrackingKeyboard);
    EXPECT_EQ(pOnly->GetSelectedIndex(), 0);
    EXPECT_EQ(pOnly->GetSelected()->GetID(), 11);

    // With a second bar the next one is taken, wrapping round the array; a hidden one is passed over.
    CXTPToolBar* pHidden = AddButtons(pBars->AddToolBar(L"Hidden"), {21});
    CXTPToolBar* pThird = AddButtons(pBars->AddToolBar(L"Third"), {31});
    pHidden->SetVisible(FALSE);
    EXPECT_TRUE(pBars->ActivateBarByKeyboard(pOnly, +1));
    EXPECT_TRUE(pThird->IsTrackingMode());
    EXPECT_FALSE(pOnly->IsTrackingMode());
    EXPECT_TRUE(pBars->ActivateBarByKeyboard(pThird, +1));
    EXPECT_TRUE(pOnly->IsTrackingMode());
    pOnly->EndTracking();
}

TEST(OwnerBars, HiddenCommandsAndUnusedPopups)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    const UINT hidden[] = {57607, 57609};
    pBars->HideCommands(hidden, 2);
    EXPECT_TRUE(pBars->IsHiddenCommand(57607));
    EXPECT_FALSE(pBars->IsHiddenCommand(57600));
    // Used once, it shows again until the used set is reset.
    pBars->SetCommandUsed(57607);
    pBars->SetCommandUsed(57600);
    EXPECT_FALSE(pBars->IsHiddenCommand(57607));
    EXPECT_TRUE(pBars->IsHiddenCommand(57609));
    int nValue = 0;
    EXPECT_FALSE(pBars->GetCommandBarsOptions()->mapUsedCommands.Lookup(57600, nValue));
    pBars->ResetUsedCommands();
    EXPECT_TRUE(pBars->IsHiddenCommand(57607));

    CXTPControl* pHiddenButton = AddButtons(pBars->AddToolBar(L"Bar"), {57607})->GetControls()->GetAt(0);
    EXPECT_TRUE(pBars->IsControlHidden(pHiddenButton));
}

TEST(OwnerBars, PopupHiddenOnlyWhenAllItsControlsAre)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    pBars->HideCommand(501);
    BarHolder popupBar;
    auto* pPopup = new PopupTestControl(popupBar.pBar);
    CCmdTargetHold hold(pPopup);
    pPopup->InternalRelease();

    // An empty popup hides nothing.
    EXPECT_FALSE(pBars->IsControlHidden(pPopup));
    popupBar->GetControls()->Add(xtpControlButton, 501);
    EXPECT_TRUE(pBars->IsControlHidden(pPopup));
    pBars->GetCommandBarsOptions()->bAutoHideUnusedPopups = FALSE;
    EXPECT_FALSE(pBars->IsControlHidden(pPopup));
    pBars->GetCommandBarsOptions()->bAutoHideUnusedPopups = TRUE;
    popupBar->GetControls()->Add(xtpControlButton, 502);
    EXPECT_FALSE(pBars->IsControlHidden(pPopup));
}
