#include "OrbalinProcess.h"

#include "MessagePump.h"
#include "ProcessEnvironment.h"

#include <cstdio>

bool OrbalinProcess::Start(const std::wstring& notesDir, const std::wstring& workDir)
{
    std::wstring commandLine = L"\"" + std::wstring(ORBALIN_EXE) + L"\"";
    std::wstring env = testsupport::EnvironmentWithListEntry(L"PATH", notesDir, testsupport::ListPlace::First);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    // A machine busy with parallel test runs can refuse a new process now and
    // then (seen once on CI): try again before calling it a failure, and say why.
    for (int attempt = 1;; ++attempt) {
        if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                             env.data(), workDir.empty() ? nullptr : workDir.c_str(), &si, &m_pi))
            return true;
        std::fprintf(stderr, "Orbalin.exe did not start (attempt %d, error %lu)\n", attempt, ::GetLastError());
        if (attempt == 3)
            return false;
        ::Sleep(1000);
    }
}

OrbalinProcess::~OrbalinProcess()
{
    if (m_pi.hProcess == nullptr)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        // A test that failed half-way leaves the program running: end it so the
        // next test starts alone.
        ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

bool OrbalinProcess::WaitForExit(DWORD milliseconds)
{
    return ::WaitForSingleObject(m_pi.hProcess, milliseconds) == WAIT_OBJECT_0;
}

namespace {

struct ProcessWindows {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND hWnd, LPARAM lParam)
{
    auto* s = reinterpret_cast<ProcessWindows*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == s->pid)
        s->found.push_back(hWnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> OrbalinProcess::Windows() const
{
    ProcessWindows search{m_pi.dwProcessId, {}};
    ::EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OrbalinProcess::WaitForMainWindow(DWORD milliseconds) const
{
    for (DWORD waited = 0; waited < milliseconds; waited += 100) {
        for (HWND hWnd : Windows()) {
            wchar_t title[128] = {};
            ::GetWindowTextW(hWnd, title, 128);
            if (std::wstring(title) == L" Orbalin - ver 8.06.01" && ::IsWindowVisible(hWnd))
                return hWnd;
        }
        ::Sleep(100);
    }
    return nullptr;
}

std::wstring OrbalinProcess::MessageBoxText(HWND box)
{
    wchar_t text[512] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

HWND OrbalinProcess::WaitForMessageBox(const std::wstring& text, DWORD milliseconds) const
{
    for (DWORD waited = 0; waited < milliseconds; waited += 100) {
        for (HWND hWnd : Windows()) {
            wchar_t cls[32] = {};
            ::GetClassNameW(hWnd, cls, 32);
            if (std::wstring(cls) == L"#32770" && ::IsWindowVisible(hWnd) && MessageBoxText(hWnd) == text)
                return hWnd;
        }
        ::Sleep(100);
    }
    return nullptr;
}

void PressButton(HWND box, int id)
{
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}
