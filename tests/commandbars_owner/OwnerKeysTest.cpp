// Mnemonics of the menu bar: which control a key selects and whether it runs.
#include <gtest/gtest.h>

#include "ControlTestBar.h"
#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "OwnerTestFrame.h"

namespace {

// A menu bar window of the frame holding captioned buttons with ids 1, 2, ...
CXTPControl* AddCaptioned(ControlTestBar* pBar, LPCTSTR lpszCaption)
{
    CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, pBar->GetControls()->GetCount() + 1);
    pControl->SetCaption(lpszCaption);
    return pControl;
}

struct MnemonicCase {
    const char* name;
    UINT nKey;
    BOOL bHandled;
    int nSelected;              // index of the selected control, -1 none
    std::vector<UINT> commands; // what ran
};

} // namespace

TEST(OwnerKeys, MenuBarMnemonics)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    BarHolder bar;
    bar->SetType(xtpBarTypeMenuBar);
    bar->SetOwner(frame.p);
    ASSERT_TRUE(bar->CreateEx(0, AfxRegisterWndClass(0), L"menu", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 22),
                              frame.p, 300));
    AddCaptioned(bar.pBar, L"&File");   // 1
    AddCaptioned(bar.pBar, L"&Edit");   // 2
    AddCaptioned(bar.pBar, L"E&xit");   // 3
    AddCaptioned(bar.pBar, L"&1 Recent"); // 4
    AddCaptioned(bar.pBar, L"View");    // 5: first letter only
    AddCaptioned(bar.pBar, L"Tools&");  // 6: "&" last, first letter counts
    AddCaptioned(bar.pBar, L"Tile");    // 7: a second first-letter T
    AddCaptioned(bar.pBar, L"&about");  // 8: 'a' is the keypad 1's key code
    frame->Bars()->SetMenuBar(bar.pBar);

    const MnemonicCase cases[] = {
        {"explicit", 'F', TRUE, 0, {1}},
        {"explicit inside the caption", 'X', TRUE, 2, {3}},
        {"digit", '1', TRUE, 3, {4}},
        {"keypad digit never", VK_NUMPAD1, FALSE, -1, {}},
        {"first letter alone runs", 'V', TRUE, 4, {5}},
        {"two first letters select without running", 'T', TRUE, 5, {}},
        {"no control", 'Q', FALSE, -1, {}},
    };
    for (const MnemonicCase& c : cases) {
        SCOPED_TRACE(c.name);
        frame->m_commands.clear();
        EXPECT_EQ(frame->Bars()->HandleMnemonic(c.nKey), c.bHandled);
        EXPECT_EQ(bar->GetSelectedIndex(), c.nSelected);
        EXPECT_EQ(frame->m_commands, c.commands);
        bar->SetTrackingMode(xtpTrackingOff);
    }
}

TEST(OwnerKeys, SharedAmpersandMnemonicSelectsTheFirstWithoutRunning)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    BarHolder bar;
    bar->SetType(xtpBarTypeMenuBar);
    bar->SetOwner(frame.p);
    ASSERT_TRUE(bar->CreateEx(0, AfxRegisterWndClass(0), L"menu", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 22),
                              frame.p, 300));
    AddCaptioned(bar.pBar, L"&View");
    AddCaptioned(bar.pBar, L"&Edit");
    AddCaptioned(bar.pBar, L"&Extra");
    frame->Bars()->SetMenuBar(bar.pBar);

    EXPECT_TRUE(frame->Bars()->HandleMnemonic('E'));
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    EXPECT_TRUE(bar->IsTrackingMode());
    EXPECT_TRUE(frame->m_commands.empty());
    bar->SetTrackingMode(xtpTrackingOff);

    // Mnemonics switched off: nothing is looked up.
    frame->Bars()->GetCommandBarsOptions()->nKeyboardCuesUse = 2;
    EXPECT_FALSE(frame->Bars()->HandleMnemonic('V'));
    EXPECT_TRUE(frame->m_commands.empty());
}
