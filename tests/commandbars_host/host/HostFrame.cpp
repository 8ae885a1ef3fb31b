#include "HostFrame.h"

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "HostBar.h"
#include "HostChannel.h"
#include "HostControls.h"
#include "HostFixture.h"
#include "HostLog.h"
#include "HostState.h"

#include <windowsx.h>

#include <sstream>

namespace {

const UINT kFirstBarId = 1000;

const char* CommandBarMessageName(UINT message)
{
    static const char* const names[] = {
        "WM_CMDBARS_VISIBILITYCHANGED", "WM_CMDBARS_CONTROLSELECTED", "WM_CMDBARS_SELCHANGED",
        "WM_CMDBARS_TRACKINGMODE",      "WM_CMDBARS_CONTROLRCLICK",   "WM_CMDBARS_KEYDOWN",
        "WM_CMDBARS_POPUPOPENING",      "WM_CMDBARS_CONTEXTMENU",     "WM_CMDBARS_POPUPCLOSED",
        "WM_CMDBARS_CREATECONTROL",     "WM_CMDBARS_CONTROLCREATED",  "WM_CMDBARS_GETMDICHILDICON",
        "WM_CMDBARS_CREATECOMMANDBAR",  "WM_CMDBARS_CONTROLNOTIFY"};
    return names[message - WM_CMDBARS_VISIBILITYCHANGED];
}

// What a command-bar notice says, as far as its parameters tell it here.
nlohmann::json CommandBarNotice(UINT message, WPARAM wParam, LPARAM lParam)
{
    nlohmann::json entry = {{"event", CommandBarMessageName(message)}};
    switch (message) {
    case WM_CMDBARS_CONTROLSELECTED:
        // The control when one is selected, none when the selection goes.
        if (auto* pControl = reinterpret_cast<CXTPControl*>(wParam))
            entry["caption"] = hostchannel::Utf8(pControl->GetCaption().GetString());
        break;
    case WM_CMDBARS_KEYDOWN:
        entry["key"] = reinterpret_cast<const KeyDownNotify*>(wParam)->nChar;
        break;
    case WM_CMDBARS_CONTROLRCLICK:
        entry["caption"] = hostchannel::Utf8(reinterpret_cast<CXTPControl*>(lParam)->GetCaption().GetString());
        break;
    case WM_CMDBARS_CONTROLNOTIFY:
        entry["id"] = static_cast<int>(wParam);
        break;
    default:
        break;
    }
    return entry;
}

} // namespace

HostFrame::~HostFrame()
{
    for (HostBar* pBar : m_bars)
        pBar->InternalRelease();
}

BOOL HostFrame::CreateHost()
{
    if (!Create(nullptr, L"Command bar host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(40, 40, 680, 360)))
        return FALSE;
    UINT nID = kFirstBarId;
    for (const HostFixtureBar& fixture : HostFixtureBars())
        m_bars.push_back(HostBar::Create(this, fixture, nID++));
    RecalcLayout();
    return TRUE;
}

HostBar* HostFrame::FindBar(const std::string& name) const
{
    for (HostBar* pBar : m_bars)
        if (hostchannel::Utf8(pBar->Name()) == name)
            return pBar;
    return nullptr;
}

void HostFrame::RecalcLayout(BOOL)
{
    CRect rc;
    GetClientRect(&rc);
    int nTop = 0;
    for (HostBar* pBar : m_bars)
        nTop += pBar->LayOut(nTop, rc.Width()) + 4;
}

BOOL HostFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const HostFixtureControl* pFixture = FindHostFixtureControl(static_cast<int>(nID));
    if (!pFixture)
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (pHandlerInfo)
        return TRUE;
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI)) {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->Enable(!pFixture->disabled);
        pCmdUI->SetCheck(pFixture->checked ? 1 : 0);
    } else if (nCode == static_cast<int>(CN_COMMAND)) {
        HostLog::Instance().Write({{"event", "WM_COMMAND"}, {"id", nID}});
    }
    return TRUE;
}

BOOL HostFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HostLog& log = HostLog::Instance();
    if (message >= WM_CMDBARS_VISIBILITYCHANGED && message <= WM_CMDBARS_CONTROLNOTIFY) {
        log.Write(CommandBarNotice(message, wParam, lParam));
        *pResult = 0;
        return TRUE;
    }
    switch (message) {
    case WM_COPYDATA: {
        std::string request;
        if (!hostchannel::Read(lParam, hostchannel::kRequest, request))
            break;
        hostchannel::Send(reinterpret_cast<HWND>(wParam), m_hWnd, hostchannel::kReply, Answer(request).dump());
        *pResult = TRUE;
        return TRUE;
    }
    case WM_SYSCOMMAND:
        log.Write({{"event", "WM_SYSCOMMAND"}, {"wParam", static_cast<unsigned>(wParam)},
                   {"lParam", static_cast<long long>(lParam)}});
        // The system menu's modal loop would hold the host: that it was asked for is what counts.
        if ((wParam & 0xFFF0) == SC_KEYMENU) {
            *pResult = 0;
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        log.Write({{"event", message == WM_KEYDOWN ? "WM_KEYDOWN" : "WM_SYSKEYDOWN"},
                   {"key", static_cast<unsigned>(wParam)}});
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A press of a double click is a press all the same.
        log.Write({{"event", "WM_LBUTTONDOWN"}, {"double", message == WM_LBUTTONDBLCLK},
                   {"x", GET_X_LPARAM(lParam)}, {"y", GET_Y_LPARAM(lParam)}});
        break;
    case WM_ACTIVATEAPP:
        log.Write({{"event", "WM_ACTIVATEAPP"}, {"active", wParam != 0}});
        break;
    case WM_PAINT:
        PaintClient();
        *pResult = 0;
        return TRUE;
    default:
        break;
    }
    return CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void HostFrame::PaintClient()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    ::FillRect(hdc, &ps.rcPaint, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    ::EndPaint(m_hWnd, &ps);
}

nlohmann::json HostFrame::Answer(const std::string& request)
{
    std::istringstream words(request);
    std::string verb, barName;
    words >> verb >> barName;
    HostBar* pBar = FindBar(barName);
    if (verb == "state")
        return HostState(*this).Json();
    if (verb == "clear-log") {
        HostLog::Instance().Clear();
    } else if (verb == "reset") {
        // Every bar leaves tracking and loses its selection; the log starts again.
        for (HostBar* pEach : m_bars) {
            pEach->EndTracking();
            pEach->SetSelected(-1);
        }
        HostLog::Instance().Clear();
    } else if (verb == "track" && pBar) {
        pBar->TrackByKeyboard();
    } else if (verb == "pose" && pBar) {
        // pose <bar> <hot> <pressed> <keyboard-selected>: indexes, -1 for none. A
        // pressed control is under the mouse, as in the press loop.
        int indexes[3] = {-1, -1, -1};
        words >> indexes[0] >> indexes[1] >> indexes[2];
        for (int i = 0; i < pBar->GetControls()->GetCount(); ++i) {
            if (auto* pControl = dynamic_cast<HostButton*>(pBar->GetAt(i)))
                pControl->Pose(i == indexes[0] || i == indexes[1] ? 1 : i == indexes[2] ? 2 : 0, i == indexes[1] ? 1 : 0);
        }
        pBar->RedrawWindow();
    } else if (verb == "quit") {
        PostMessage(WM_CLOSE);
    } else if (verb == "post-quit") {
        // As when the application is asked to end from elsewhere while a loop runs.
        ::PostQuitMessage(0);
    } else {
        return {{"error", "unknown request: " + request}};
    }
    return {{"done", verb}};
}
