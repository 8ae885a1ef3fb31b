#include "HostProcess.h"

#include "HostChannel.h"
#include "MessagePump.h"
#include "ProcessEnvironment.h"

#include <cstdio>

namespace {

const wchar_t kReplyClass[] = L"OrbalinHostDriver";

} // namespace

HostProcess::HostProcess()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReplyProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kReplyClass;
    ::RegisterClassW(&wc);
    m_reply = ::CreateWindowExW(0, kReplyClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrW(m_reply, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HostProcess::~HostProcess()
{
    if (m_process) {
        // Programs are asked to end as a user would end them; a test that failed
        // half-way may leave one that does not answer.
        if (IsRunning() && !Request("quit").is_null())
            ::WaitForSingleObject(m_process, 5000);
        // A test that failed half-way leaves the program running: end it, so that
        // the next one starts alone in the desktop.
        if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_process, 1);
            ::WaitForSingleObject(m_process, 5000);
        }
        ::CloseHandle(m_process);
    }
    ::DestroyWindow(m_reply);
}

LRESULT CALLBACK HostProcess::ReplyProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<HostProcess*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        std::string text;
        if (hostchannel::Read(lParam, hostchannel::kReady, text)) {
            self->m_ready = nlohmann::json::parse(text, nullptr, false);
            return TRUE;
        }
        if (hostchannel::Read(lParam, hostchannel::kReply, text)) {
            self->m_lastReply = std::move(text);
            self->m_replied = true;
            return TRUE;
        }
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

bool HostProcess::Start(const std::wstring& exe, const std::wstring& arguments, DWORD boundMs)
{
    // Explorer makes the named virtual desktop on first use (and draws window
    // frames there) and starts the program in it. The desktop has the size of
    // the screen: Wine keeps the display settings of the last desktop made for
    // the whole prefix, and programs started later on the plain desktop would
    // take a smaller desktop's size for the screen's.
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    std::wstring commandLine = L"explorer.exe /desktop=" + std::wstring(kDesktop) + L"," + std::to_wstring(width)
                               + L"x" + std::to_wstring(height) + L" \""
                               + exe + L"\" --reply "
                               + std::to_wstring(reinterpret_cast<ULONG_PTR>(m_reply));
    if (!arguments.empty())
        commandLine += L" " + arguments;
    // No audio driver, so that menu sounds neither wait on nor depend on the
    // machine's sound system.
    std::wstring env = testsupport::EnvironmentWithListEntry(
        L"WINEDLLOVERRIDES", L"winealsa.drv,winepulse.drv,wineoss.drv=d", testsupport::ListPlace::Last);

    // Explorer outlives the test program while its desktop has windows: it must
    // not hold the test's output open, or the test runner would wait for it.
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE nul = ::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi{};
    m_ready = nullptr;
    const BOOL started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                          CREATE_UNICODE_ENVIRONMENT, env.data(), nullptr, &si, &pi);
    ::CloseHandle(nul);
    if (!started) {
        std::fprintf(stderr, "explorer.exe did not start (error %lu)\n", ::GetLastError());
        return false;
    }
    ::CloseHandle(pi.hThread);
    testsupport::PumpMessagesUntil([this] { return !m_ready.is_null(); }, boundMs);
    ::CloseHandle(pi.hProcess);
    if (m_ready.is_null()) {
        std::fprintf(stderr, "the program did not announce itself within %lu ms\n", boundMs);
        return false;
    }
    m_window = reinterpret_cast<HWND>(m_ready.value("window", std::uintptr_t{0}));
    m_process = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, m_ready.value("process", DWORD{0}));
    return m_process != nullptr && ::IsWindow(m_window);
}

bool HostProcess::IsRunning() const
{
    return m_process && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool HostProcess::WaitForExit(DWORD boundMs)
{
    return m_process && ::WaitForSingleObject(m_process, boundMs) == WAIT_OBJECT_0;
}

nlohmann::json HostProcess::Request(const std::string& request)
{
    m_replied = false;
    if (!hostchannel::Send(m_window, m_reply, hostchannel::kRequest, request) || !m_replied)
        return nullptr;
    return nlohmann::json::parse(m_lastReply, nullptr, false);
}

bool HostProcess::WaitFor(const std::function<bool(const nlohmann::json&)>& condition, DWORD boundMs,
                          nlohmann::json* last)
{
    const ULONGLONG end = ::GetTickCount64() + boundMs;
    for (;;) {
        nlohmann::json state = State();
        const bool met = !state.is_null() && condition(state);
        if (last)
            *last = std::move(state);
        if (met)
            return true;
        if (::GetTickCount64() >= end)
            return false;
        testsupport::PumpMessages(10);
    }
}
