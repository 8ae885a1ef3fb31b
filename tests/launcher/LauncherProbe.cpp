// Stands in for Orbalin.exe in the launcher's tests: writes the PATH it
// inherited into "probe-path.txt" beside itself and exits.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::wstring path(32768, L'\0');
    const DWORD n = ::GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size()));
    path.resize(n < path.size() ? n : 0);

    std::wstring dir(32768, L'\0');
    dir.resize(::GetModuleFileNameW(nullptr, dir.data(), static_cast<DWORD>(dir.size())));
    dir.resize(dir.rfind(L'\\') + 1);
    // Written under another name first, so a reader never sees half a file.
    const std::wstring temp = dir + L"probe-path.tmp";
    const std::wstring final = dir + L"probe-path.txt";
    HANDLE h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    ::WriteFile(h, path.data(), static_cast<DWORD>(path.size() * sizeof(wchar_t)), &written, nullptr);
    ::CloseHandle(h);
    return ::MoveFileExW(temp.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
