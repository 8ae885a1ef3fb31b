// The command-bar test host: a frame with the fixture's bars, driven from
// another process through the host channel (see HostFrame and HostState).
#include "CXTPCommandBar.h"
#include "HostChannel.h"
#include "HostFrame.h"
#include "HostLog.h"

namespace {

// A key that matches no control beeps: the log tells it, the speaker stays quiet.
BOOL WINAPI LogBeep(UINT)
{
    HostLog::Instance().Write({{"event", "beep"}});
    return TRUE;
}

class HostApp : public CWinApp {
public:
    HostApp() : CWinApp(L"Command bar host") {}

    BOOL InitInstance() override
    {
        CXTPCommandBar::s_pfnMessageBeep = &LogBeep;
        auto* pFrame = new HostFrame;
        if (!pFrame->CreateHost())
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        pFrame->SetForegroundWindow();
        if (HWND hReply = hostchannel::ReplyWindowFromCommandLine(::GetCommandLineW())) {
            const nlohmann::json ready = {{"window", reinterpret_cast<std::uintptr_t>(pFrame->m_hWnd)},
                                          {"process", ::GetCurrentProcessId()}};
            hostchannel::Send(hReply, pFrame->m_hWnd, hostchannel::kReady, ready.dump());
        }
        return TRUE;
    }
};

HostApp theApp;

} // namespace
