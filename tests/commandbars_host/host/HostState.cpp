#include "HostState.h"

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPKeyboardTracker.h"
#include "CXTPMouseTracker.h"
#include "HostBar.h"
#include "HostChannel.h"
#include "HostControls.h"
#include "HostFrame.h"
#include "HostLog.h"

namespace {

using nlohmann::json;

json RectJson(const RECT& rc)
{
    return json::array({rc.left, rc.top, rc.right, rc.bottom});
}

// A rectangle of a window's client area in screen coordinates; a mirrored
// window's right edge maps left of its left edge, so the corners are sorted.
RECT ToScreen(HWND hWnd, RECT rc)
{
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    if (rc.left > rc.right)
        std::swap(rc.left, rc.right);
    return rc;
}

json ControlJson(CXTPControl* pControl)
{
    auto* pPopup = dynamic_cast<HostPopup*>(pControl);
    return {{"index", pControl->GetIndex()},
            {"id", pControl->GetID()},
            {"caption", hostchannel::Utf8(pControl->GetCaption().GetString())},
            {"kind", pPopup ? "popup" : "button"},
            {"rect", RectJson(ToScreen(pControl->GetParent()->m_hWnd, pControl->GetRect()))},
            {"enabled", pControl->GetEnabled() != 0},
            {"checked", pControl->GetChecked()},
            {"selected", pControl->GetSelected()},
            {"pressed", pControl->GetPressed()},
            {"open", pPopup && pPopup->IsOpen()},
            {"visible", pControl->IsVisible() != 0}};
}

json BarJson(HostBar* pBar)
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    json controls = json::array();
    for (int i = 0; i < pBar->GetControls()->GetCount(); ++i)
        controls.push_back(ControlJson(pBar->GetAt(i)));
    return {{"name", hostchannel::Utf8(pBar->Name())},
            {"rect", RectJson(rc)},
            {"tracking", pBar->GetTrackingMode()},
            {"selected", pBar->GetSelectedIndex()},
            {"popuped", pBar->GetPopupedIndex()},
            {"keyboardSelected", pBar->IsKeyboardSelected() != 0},
            {"rtl", pBar->IsRTL() != 0},
            {"controls", controls}};
}

struct OtherWindows {
    HWND frame;
    json windows = json::array();
};

BOOL CALLBACK CollectOtherWindow(HWND hWnd, LPARAM lParam)
{
    auto* others = reinterpret_cast<OtherWindows*>(lParam);
    if (hWnd != others->frame && ::IsWindowVisible(hWnd)) {
        wchar_t name[64] = {};
        ::GetClassNameW(hWnd, name, 64);
        RECT rc{};
        ::GetWindowRect(hWnd, &rc);
        others->windows.push_back({{"class", hostchannel::Utf8(name)}, {"rect", RectJson(rc)}});
    }
    return TRUE;
}

} // namespace

nlohmann::json HostState::Json() const
{
    HWND hFrame = m_frame.m_hWnd;
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);

    json bars = json::array();
    for (HostBar* pBar : m_frame.Bars())
        bars.push_back(BarJson(pBar));

    json tracked = json::array();
    CXTPMouseTracker* pTracker = CXTPMouseTracker::GetThreadTracker();
    for (int i = 0; i < pTracker->GetTrackedBarCount(); ++i) {
        auto* pBar = dynamic_cast<HostBar*>(pTracker->GetTrackedBar(i));
        tracked.push_back(pBar ? hostchannel::Utf8(pBar->Name()) : std::string("?"));
    }

    OtherWindows others{hFrame};
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectOtherWindow, reinterpret_cast<LPARAM>(&others));

    RECT frame{}, client{};
    ::GetWindowRect(hFrame, &frame);
    ::GetClientRect(hFrame, &client);
    return {{"dpi", dpi},
            {"foreground", ::GetForegroundWindow() == hFrame},
            {"frame", RectJson(frame)},
            {"client", RectJson(ToScreen(hFrame, client))},
            {"bars", bars},
            {"trackedBars", tracked},
            {"keyboardClients", CXTPKeyboardTracker::GetThreadTracker()->GetClientCount()},
            {"popups", others.windows},
            {"log", HostLog::Instance().Entries()}};
}
