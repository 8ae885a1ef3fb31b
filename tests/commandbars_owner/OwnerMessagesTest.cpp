// The frame's messages as the owner takes them: Alt keys and keyboard cues,
// the options in the application's registry key, the idle update of floating
// bars, and the floating-window status the frame sends its popups.
#include <gtest/gtest.h>

#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPToolBar.h"
#include "ControlTestBar.h"
#include "MessagePump.h"
#include "OwnerTestFrame.h"
#include "RegistryScratch.h"
#include "WindowGeometry.h"

namespace {

MSG SysKeyDown(HWND hWnd, UINT nKey)
{
    MSG msg{};
    msg.hwnd = hWnd;
    msg.message = WM_SYSKEYDOWN;
    msg.wParam = nKey;
    msg.lParam = 1 | (1 << 29);   // Alt held
    return msg;
}

// A toolbar that counts its idle updates.
class CountingToolBar : public CXTPToolBar {
    DECLARE_DYNCREATE(CountingToolBar)
public:
    void OnUpdateCmdUI(BOOL bDisableIfNoHndler) override
    {
        ++m_nUpdates;
        CXTPToolBar::OnUpdateCmdUI(bDisableIfNoHndler);
    }
    int m_nUpdates = 0;
};
IMPLEMENT_DYNCREATE(CountingToolBar, CXTPToolBar)

// A popup that records the WM_FLOATSTATUS flags it is sent.
class FloatStatusPopup : public CWnd {
public:
    std::vector<WPARAM> m_flags;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_FLOATSTATUS)
            m_flags.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(OwnerMessages, AltKeysShowCuesAndRunMnemonics)
{
    const ACCEL managerTable[] = {{FVIRTKEY | FALT, 'X', 106}};
    OwnerFrameHolder frame(OwnerTestFrame::Make(nullptr, managerTable, 1));
    ASSERT_NE(frame.p, nullptr);
    frame->SetForegroundWindow();
    ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return IsTopLevelActive(frame->GetSafeHwnd()) != FALSE; }, 5000));
    BarHolder bar;
    bar->SetType(xtpBarTypeMenuBar);
    bar->SetOwner(frame.p);
    ASSERT_TRUE(bar->CreateEx(0, AfxRegisterWndClass(0), L"menu", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 22),
                              frame.p, 300));
    bar->GetControls()->Add(xtpControlButton, 1)->SetCaption(L"&File");
    bar->GetControls()->Add(xtpControlButton, 2)->SetCaption(L"&about");
    CXTPCommandBars* pBars = frame->Bars();
    pBars->SetMenuBar(bar.pBar);
    pBars->SetKeyboardCuesState(TRUE, FALSE);

    // Alt alone shows the cues and goes on; a key-up hides them again.
    MSG alt = SysKeyDown(frame->GetSafeHwnd(), VK_MENU);
    EXPECT_FALSE(pBars->PreTranslateFrameMessage(&alt));
    EXPECT_TRUE(pBars->IsKeyboardCuesVisible());
    MSG up = alt;
    up.message = WM_SYSKEYUP;
    EXPECT_FALSE(pBars->PreTranslateFrameMessage(&up));
    EXPECT_FALSE(pBars->IsKeyboardCuesVisible());

    // Alt+F is eaten and runs the command; Alt with the keypad's 1 (whose
    // key code is the letter a) runs nothing.
    MSG keypad = SysKeyDown(frame->GetSafeHwnd(), VK_NUMPAD1);
    EXPECT_FALSE(pBars->PreTranslateFrameMessage(&keypad));
    EXPECT_TRUE(frame->m_commands.empty());
    MSG file = SysKeyDown(frame->GetSafeHwnd(), 'F');
    EXPECT_TRUE(pBars->PreTranslateFrameMessage(&file));
    EXPECT_EQ(frame->m_commands, std::vector<UINT>{1});
    bar->SetTrackingMode(xtpTrackingOff);

    BYTE saved[256], state[256];
    ::GetKeyboardState(saved);
    ::GetKeyboardState(state);
    state[VK_MENU] = 0x80;
    ::SetKeyboardState(state);
    // A key that is no mnemonic goes on to the accelerators.
    MSG accel = SysKeyDown(frame->GetSafeHwnd(), 'X');
    EXPECT_TRUE(pBars->PreTranslateFrameMessage(&accel));
    EXPECT_EQ(frame->m_commands, (std::vector<UINT>{1, 106}));

    // With the Alt+Shift guard, Shift held makes it no mnemonic.
    pBars->SetIgnoreShiftMenuKey(TRUE);
    state[VK_SHIFT] = 0x80;
    ::SetKeyboardState(state);
    EXPECT_FALSE(pBars->PreTranslateFrameMessage(&file));
    ::SetKeyboardState(saved);
    EXPECT_EQ(frame->m_commands, (std::vector<UINT>{1, 106}));
}

TEST(OwnerMessages, OptionsKeptUnderTheApplicationKey)
{
    testsupport::RegistryScratch scratch(L"Software\\OrbalinOwnerTest");
    CWinApp* pApp = AfxGetApp();
    pApp->SetRegistryKey(L"OrbalinOwnerTest");
    auto* pStored = new CXTPCommandBars;
    pStored->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    pStored->GetCommandBarsOptions()->nAnimationType = 2;
    pStored->SaveOptions(L"CommandBars");
    pStored->InternalRelease();
    const std::wstring sub = std::wstring(pApp->m_pszProfileName) + L"\\CommandBars-Options";
    EXPECT_TRUE(scratch.Has(sub.c_str(), L"AlwaysShowFullMenus"));
    auto* pLoaded = new CXTPCommandBars;
    pLoaded->LoadOptions(L"CommandBars");
    EXPECT_FALSE(pLoaded->GetCommandBarsOptions()->bAlwaysShowFullMenus);
    EXPECT_EQ(pLoaded->GetCommandBarsOptions()->nAnimationType, 2);
    pLoaded->InternalRelease();
}

TEST(OwnerMessages, IdleUpdateReachesFloatingBarsOnly)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    auto* pDocked = static_cast<CountingToolBar*>(pBars->AddToolBar(L"Docked", xtpBarTop, RUNTIME_CLASS(CountingToolBar)));
    auto* pFloating =
        static_cast<CountingToolBar*>(pBars->AddToolBar(L"Floating", xtpBarFloating, RUNTIME_CLASS(CountingToolBar)));
    ASSERT_NE(pDocked, nullptr);
    ASSERT_NE(pFloating, nullptr);
    const int nDocked = pDocked->m_nUpdates, nFloating = pFloating->m_nUpdates;
    LRESULT result = 0;
    EXPECT_FALSE(pBars->OnFrameWndMsg(WM_IDLEUPDATECMDUI, TRUE, 0, &result));
    EXPECT_EQ(pDocked->m_nUpdates, nDocked);
    EXPECT_EQ(pFloating->m_nUpdates, nFloating + 1);
}

TEST(OwnerMessages, FrameTellsItsSyncedPopupsOfEnabling)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    FloatStatusPopup synced, plain;
    ASSERT_TRUE(synced.CreateEx(0, AfxRegisterWndClass(0), L"synced", WS_POPUP | MFS_SYNCACTIVE, CRect(0, 0, 10, 10),
                                frame.p, 0));
    ASSERT_TRUE(plain.CreateEx(0, AfxRegisterWndClass(0), L"plain", WS_POPUP, CRect(0, 0, 10, 10), frame.p, 0));
    frame->EnableWindow(FALSE);
    frame->EnableWindow(TRUE);
    EXPECT_EQ(synced.m_flags, (std::vector<WPARAM>{FS_DISABLE, FS_ENABLE}));
    EXPECT_TRUE(plain.m_flags.empty());
}
