#include "WizardDriver.h"

#include <commctrl.h>

namespace {
constexpr SIZE_T kRemoteSize = 4096;
constexpr int kTextOffset = 512;   // the remote text buffer, after the item structure
}  // namespace

WizardDriver::WizardDriver(OrbalinProcess& program) : m_program(program)
{
    m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, program.Id());
    if (m_process != nullptr)
        m_remote = ::VirtualAllocEx(m_process, nullptr, kRemoteSize, MEM_COMMIT, PAGE_READWRITE);
}

WizardDriver::~WizardDriver()
{
    if (m_remote != nullptr)
        ::VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
    if (m_process != nullptr)
        ::CloseHandle(m_process);
}

bool WizardDriver::WaitFor(const std::function<bool()>& condition, DWORD milliseconds)
{
    for (DWORD waited = 0; waited <= milliseconds; waited += 100) {
        if (condition())
            return true;
        ::Sleep(100);
    }
    return false;
}

HWND WizardDriver::WaitForDialog(const std::wstring& title, DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hWnd : m_program.Windows()) {
                if (::IsWindowVisible(hWnd) && Text(hWnd) == title) {
                    found = hWnd;
                    return true;
                }
            }
            return false;
        },
        milliseconds);
    return found;
}

HWND WizardDriver::WaitForDialogText(int id, const std::wstring& prefix, DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hWnd : m_program.Windows()) {
                HWND item = ::GetDlgItem(hWnd, id);
                if (::IsWindowVisible(hWnd) && item != nullptr && Text(item).rfind(prefix, 0) == 0) {
                    found = hWnd;
                    return true;
                }
            }
            return false;
        },
        milliseconds);
    return found;
}

void WizardDriver::Click(HWND parent, int id)
{
    ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(parent, id)));
}

void WizardDriver::SetText(HWND window, const std::wstring& text)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 5000, &result);
}

std::wstring WizardDriver::Text(HWND window)
{
    wchar_t text[1024] = {};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &result);
    return text;
}

namespace {
struct ClassSearch {
    std::wstring cls;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND hWnd, LPARAM lParam)
{
    auto* s = reinterpret_cast<ClassSearch*>(lParam);
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    if (_wcsicmp(name, s->cls.c_str()) == 0) {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND WizardDriver::ChildOfClass(HWND parent, const std::wstring& cls)
{
    ClassSearch search{cls, nullptr};
    ::EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int WizardDriver::ItemCount(HWND list) const
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 5000, &result);
    return static_cast<int>(result);
}

std::wstring WizardDriver::ItemText(HWND list, int item, int column) const
{
    if (m_remote == nullptr)
        return {};
    auto* remoteText = static_cast<char*>(m_remote) + kTextOffset;
    LVITEMW lvi{};
    lvi.iSubItem = column;
    lvi.pszText = reinterpret_cast<LPWSTR>(remoteText);
    lvi.cchTextMax = 1024;
    ::WriteProcessMemory(m_process, m_remote, &lvi, sizeof(lvi), nullptr);
    const wchar_t none = 0;
    ::WriteProcessMemory(m_process, remoteText, &none, sizeof(none), nullptr);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(m_remote),
                          SMTO_NORMAL, 5000, &result);
    wchar_t text[1024] = {};
    ::ReadProcessMemory(m_process, remoteText, text, sizeof(text) - sizeof(wchar_t), nullptr);
    return text;
}

std::vector<std::wstring> WizardDriver::Column(HWND list, int column) const
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < ItemCount(list); ++i)
        texts.push_back(ItemText(list, i, column));
    return texts;
}

bool WizardDriver::IsChecked(HWND list, int item) const
{
    DWORD_PTR state = 0;
    ::SendMessageTimeoutW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK, SMTO_NORMAL, 5000,
                          &state);
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

bool WizardDriver::ClickItem(HWND list, int item) const
{
    if (m_remote == nullptr)
        return false;
    RECT rect{LVIR_LABEL, 0, 0, 0};
    ::WriteProcessMemory(m_process, m_remote, &rect, sizeof(rect), nullptr);
    DWORD_PTR ok = 0;
    ::SendMessageTimeoutW(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(m_remote),
                          SMTO_NORMAL, 5000, &ok);
    if (!ok || !::ReadProcessMemory(m_process, m_remote, &rect, sizeof(rect), nullptr))
        return false;
    const LPARAM at = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
    ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(list, WM_LBUTTONUP, 0, at);
    return true;
}
