// Executing a control against a site window, and the press and resize loops.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "CXTPMenuSoundPlayer.h"
#include "ControlTestBar.h"

namespace {

// The sounds asked of the player that controls use during these tests.
class RecordingSounds {
public:
    RecordingSounds()
        : m_player([this](LPCWSTR pszSound, HMODULE, DWORD) {
              std::lock_guard<std::mutex> lock(m_mutex);
              m_sounds.push_back(pszSound ? pszSound : L"");
              return TRUE;
          })
    {
        s_pCurrent = this;
        m_previous = CXTPControl::s_pfnSoundPlayer;
        CXTPControl::s_pfnSoundPlayer = [] { return &s_pCurrent->m_player; };
    }
    ~RecordingSounds()
    {
        CXTPControl::s_pfnSoundPlayer = m_previous;
        m_player.Stop();
    }
    // Waits, within a bound, for the worker to play a sound.
    std::vector<std::wstring> WaitForSounds(size_t nCount)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_sounds.size() >= nCount || std::chrono::steady_clock::now() > deadline)
                    return m_sounds;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

private:
    static RecordingSounds* s_pCurrent;
    std::mutex m_mutex;
    std::vector<std::wstring> m_sounds;
    CXTPMenuSoundPlayer m_player;
    CXTPMenuSoundPlayer* (*m_previous)() = nullptr;
};
RecordingSounds* RecordingSounds::s_pCurrent = nullptr;

struct SiteMessage {
    UINT message;
    WPARAM wParam;
    ControlNotify notify;
};

// The window a bar's controls notify: it records what arrives, in order.
class SiteWindow {
public:
    SiteWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &SiteWindow::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ExecuteTestSite";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_wnd.Attach(m_hWnd);
    }
    ~SiteWindow()
    {
        m_wnd.Detach();
        ::DestroyWindow(m_hWnd);
    }
    CWnd* Wnd() { return &m_wnd; }

    std::vector<SiteMessage> m_messages;
    LRESULT m_notifyResult = 0;
    std::function<void()> m_onCommand;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* pThis = reinterpret_cast<SiteWindow*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (pThis && message == WM_CMDBARS_CONTROLNOTIFY) {
            pThis->m_messages.push_back({message, wParam, *reinterpret_cast<ControlNotify*>(lParam)});
            return pThis->m_notifyResult;
        }
        if (pThis && message == WM_COMMAND) {
            pThis->m_messages.push_back({message, wParam, {}});
            if (pThis->m_onCommand)
                pThis->m_onCommand();
            return 0;
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
    CWnd m_wnd;
};

// Takes a WM_QUIT that a loop posted again; its exit code, or -1 when none waits.
int TakeQuit()
{
    MSG msg;
    if (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return static_cast<int>(msg.wParam);
    return -1;
}

} // namespace

TEST(Execute, NotifiesTheSiteThenSendsTheCommand)
{
    struct Case {
        const char* name;
        int nId;
        LRESULT notifyResult;
        std::vector<UINT> expected;
    };
    const Case cases[] = {
        {"notification, then the command", 57600, 0, {WM_CMDBARS_CONTROLNOTIFY, WM_COMMAND}},
        {"a handled notification ends it", 57600, 1, {WM_CMDBARS_CONTROLNOTIFY}},
        {"id 0 sends nothing", 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSounds sounds;
        SiteWindow site;
        site.m_notifyResult = c.notifyResult;
        auto* pBar = new ControlTestBar;
        pBar->SetNotifyOwner(site.Wnd());
        SizedControl* pControl = pBar->AddSized(20, 20, 0, FALSE, c.nId);
        pControl->Execute();

        EXPECT_EQ(pControl->GetPressed(), 2);
        ASSERT_EQ(site.m_messages.size(), c.expected.size());
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(site.m_messages[i].message, c.expected[i]);
            EXPECT_EQ(site.m_messages[i].wParam, static_cast<WPARAM>(c.nId));
        }
        if (!site.m_messages.empty()) {
            const ControlNotify& notify = site.m_messages[0].notify;
            EXPECT_EQ(notify.hwndFrom, nullptr);
            EXPECT_EQ(notify.nID, c.nId);
            EXPECT_EQ(notify.nCode, CBN_XTP_EXECUTE);
            EXPECT_EQ(notify.pControl, pControl);
        }
        EXPECT_EQ(sounds.WaitForSounds(1), std::vector<std::wstring>{L"MenuCommand"});
        pBar->InternalRelease();
    }
}

TEST(Execute, PopupRunForAResultTakesTheIdInsteadOfMessages)
{
    SiteWindow site;
    auto* pBar = new ControlTestBar;
    pBar->SetNotifyOwner(site.Wnd());
    int nResult = 0;
    pBar->SetReturnCmd(&nResult);
    pBar->SetTrackingModal(TRUE);
    pBar->SetTrackingMode(1);
    pBar->AddSized(20, 20, 0, FALSE, 101)->Execute();
    EXPECT_EQ(nResult, 101);
    EXPECT_TRUE(site.m_messages.empty());
    EXPECT_EQ(pBar->GetTrackingMode(), 0);
    pBar->InternalRelease();
}

TEST(Execute, ControlAndBarOutliveAHandlerThatLetsThemGo)
{
    struct Case {
        const char* name;
        bool bRemoveControl;
        bool bReleaseBar;
        int nUpdates;   // -1: the bar is gone, nothing to count
    };
    const Case cases[] = {
        {"control stays: its bar is updated", false, false, 1},
        {"control taken off its bar: no update", true, false, 0},
        {"bar released by the handler", false, true, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSounds sounds;
        SiteWindow site;
        bool bBarGone = false;
        bool bControlGone = false;
        auto* pBar = new ControlTestBar(&bBarGone);
        pBar->SetNotifyOwner(site.Wnd());
        auto* pControl = new SizedControl(CSize(20, 20), &bControlGone);
        pBar->GetControls()->AddControl(pControl, 57600);
        pControl->SetCloseSubMenuOnClick(FALSE);
        bool bAliveInHandler = false;
        site.m_onCommand = [&] {
            if (c.bRemoveControl)
                pBar->GetControls()->Remove(pControl);
            if (c.bReleaseBar)
                pBar->InternalRelease();
            bAliveInHandler = !bControlGone && !bBarGone;
        };
        pControl->Execute();
        EXPECT_TRUE(bAliveInHandler);
        EXPECT_EQ(bControlGone, c.bRemoveControl || c.bReleaseBar);
        EXPECT_EQ(bBarGone, c.bReleaseBar);
        if (c.nUpdates >= 0) {
            EXPECT_EQ(pBar->m_nUpdates, c.nUpdates);
            pBar->InternalRelease();
        }
    }
}

namespace {

// A bar with a hidden window, for the loops that capture the mouse.
ControlTestBar* MakeBarWindow(SiteWindow& site)
{
    auto* pBar = new ControlTestBar;
    pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 40, nullptr, nullptr);
    pBar->SetNotifyOwner(site.Wnd());
    return pBar;
}

class ResizableControl : public SizedControl {
public:
    BOOL IsResizable() const override { return TRUE; }
    int GetMinWidth() const override { return 10; }
    void SetWidth(int nWidth) override { m_widths.push_back(nWidth); }
    std::vector<int> m_widths;
};

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

void PostAll(HWND hWnd, const std::vector<Posted>& posted, int nQuitCode)
{
    for (const Posted& p : posted)
        ::PostMessageW(hWnd, p.message, p.wParam, p.lParam);
    if (nQuitCode >= 0)
        ::PostQuitMessage(nQuitCode);
}

} // namespace

TEST(Execute, ClickTrackingEndsOnReleaseAndCancelsOnQuit)
{
    const CRect rcControl(10, 5, 40, 25);
    const LPARAM inside = MAKELPARAM(20, 10);
    const LPARAM outside = MAKELPARAM(100, 10);
    struct Case {
        const char* name;
        std::vector<Posted> posted;
        int nQuitCode;
        bool bExecuted;
    };
    const Case cases[] = {
        {"released on the control", {{WM_LBUTTONUP, 0, inside}}, -1, true},
        {"released outside", {{WM_MOUSEMOVE, 0, outside}, {WM_LBUTTONUP, 0, outside}}, -1, false},
        {"left and came back", {{WM_MOUSEMOVE, 0, outside}, {WM_MOUSEMOVE, 0, inside}, {WM_LBUTTONUP, 0, inside}}, -1,
         true},
        {"quit cancels and is posted again", {}, 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSounds sounds;
        SiteWindow site;
        ControlTestBar* pBar = MakeBarWindow(site);
        ASSERT_NE(pBar->GetSafeHwnd(), nullptr);
        SizedControl* pControl = pBar->AddSized(30, 20, 0, FALSE, 57600);
        pControl->SetRect(rcControl);
        PostAll(pBar->m_hWnd, c.posted, c.nQuitCode);
        pControl->TrackClick();

        EXPECT_EQ(TakeQuit(), c.nQuitCode);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(pControl->GetSelected(), 0);
        EXPECT_EQ(pControl->GetPressed(), c.bExecuted ? 2 : 0);
        EXPECT_EQ(!site.m_messages.empty(), c.bExecuted);
        pBar->InternalRelease();
    }
}

TEST(Execute, CustomizeResizeCommitsOnReleaseAndCancelsOnEscapeOrQuit)
{
    const CRect rcControl(10, 5, 60, 25);
    struct Case {
        const char* name;
        CPoint ptStart;
        std::vector<Posted> posted;
        int nQuitCode;
        BOOL bStarted;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {"right edge dragged 15 px", CPoint(59, 10),
         {{WM_MOUSEMOVE, 0, MAKELPARAM(74, 10)}, {WM_LBUTTONUP, 0, MAKELPARAM(74, 10)}}, -1, TRUE, {65}},
        {"left edge held at the minimum width", CPoint(10, 10),
         {{WM_MOUSEMOVE, 0, MAKELPARAM(200, 10)}, {WM_LBUTTONUP, 0, MAKELPARAM(200, 10)}}, -1, TRUE, {10}},
        {"escape", CPoint(59, 10), {{WM_MOUSEMOVE, 0, MAKELPARAM(80, 10)}, {WM_KEYDOWN, VK_ESCAPE, 0}}, -1, TRUE, {}},
        {"quit cancels and is posted again", CPoint(59, 10), {{WM_MOUSEMOVE, 0, MAKELPARAM(80, 10)}}, 3, TRUE, {}},
        {"middle of the control", CPoint(30, 10), {}, -1, FALSE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SiteWindow site;
        ControlTestBar* pBar = MakeBarWindow(site);
        auto* pControl = new ResizableControl;
        pBar->GetControls()->AddControl(pControl, 200);
        pControl->SetRect(rcControl);
        PostAll(pBar->m_hWnd, c.posted, c.nQuitCode);
        EXPECT_EQ(pControl->CustomizeResize(c.ptStart), c.bStarted);
        EXPECT_EQ(pControl->m_widths, c.widths);
        EXPECT_EQ(TakeQuit(), c.nQuitCode);
        EXPECT_EQ(::GetCapture(), nullptr);
        // What the loop did not read stays for the test to drop.
        MSG msg;
        while (::PeekMessageW(&msg, pBar->m_hWnd, 0, 0, PM_REMOVE)) {
        }
        pBar->InternalRelease();
    }
}
