#include "RegistryScratch.h"

namespace testsupport {

RegistryScratch::RegistryScratch(std::wstring path) : m_path(std::move(path))
{
    RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
    RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
}

RegistryScratch::~RegistryScratch()
{
    RegCloseKey(m_hKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
}

bool RegistryScratch::Has(const wchar_t* sub, const wchar_t* value) const
{
    return RegGetValueW(m_hKey, sub, value, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void RegistryScratch::SetRaw(const wchar_t* sub, const wchar_t* value, DWORD type, const void* data, DWORD size) const
{
    HKEY hSub = nullptr;
    RegCreateKeyExW(m_hKey, sub, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hSub, nullptr);
    RegSetValueExW(hSub, value, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(hSub);
}

std::string RegQuery(const std::wstring& path)
{
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    CreatePipe(&hRead, &hWrite, &sa, 0);
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{sizeof(si)};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = hWrite;
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"reg.exe query \"HKCU\\" + path + L"\"";
    std::string out;
    if (CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
        CloseHandle(hWrite);
        hWrite = nullptr;
        char buf[4096];
        DWORD got = 0;
        while (ReadFile(hRead, buf, sizeof(buf), &got, nullptr) && got)
            out.append(buf, got);
        WaitForSingleObject(pi.hProcess, 30000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    if (hWrite)
        CloseHandle(hWrite);
    CloseHandle(hRead);
    return out;
}

} // namespace testsupport
