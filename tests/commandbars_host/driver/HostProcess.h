#pragma once
// A program driven from outside (the command-bar host, the input probe),
// started in a Wine virtual desktop of its own so that it is the one program
// in front there, with the input of that desktop (DesktopInput) reaching it
// as a user's would. Its state comes back as JSON through the host channel.
#include <windows.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <string>

class HostProcess {
public:
    // The virtual desktop the programs run in.
    static constexpr const wchar_t* kDesktop = L"OrbalinCommandBars";

    HostProcess();
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    // Starts the program with the arguments (after "--reply <window>") and waits,
    // within the bound, until it announces itself. Without an audio driver: menu
    // sounds must not depend on the machine.
    bool Start(const std::wstring& exe, const std::wstring& arguments = {}, DWORD boundMs = 30000);
    bool IsRunning() const;
    bool WaitForExit(DWORD boundMs);
    HWND Window() const { return m_window; }
    const nlohmann::json& Announcement() const { return m_ready; }

    // Sends a request and answers the program's JSON reply; null when no reply came.
    nlohmann::json Request(const std::string& request);
    nlohmann::json State() { return Request("state"); }
    // Asks for the state until the condition holds, for at most boundMs; the
    // last state asked for is kept in last when given.
    bool WaitFor(const std::function<bool(const nlohmann::json&)>& condition, DWORD boundMs = 5000,
                 nlohmann::json* last = nullptr);

private:
    static LRESULT CALLBACK ReplyProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_reply = nullptr;
    HWND m_window = nullptr;
    HANDLE m_process = nullptr;
    nlohmann::json m_ready;
    std::string m_lastReply;
    bool m_replied = false;
};
