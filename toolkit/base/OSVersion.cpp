#include "OSVersion.h"

namespace {

OSVERSIONINFOW ReadVersion()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info;
}

[[maybe_unused]] OSVERSIONINFOW& s_record = OSVersionRecord();

BOOL Runs(DWORD dwPlatform, DWORD dwMajor, DWORD dwMinor)
{
    const OSVERSIONINFOW& info = OSVersionRecord();
    return info.dwPlatformId == dwPlatform && info.dwMajorVersion == dwMajor && info.dwMinorVersion == dwMinor;
}

} // namespace

OSVERSIONINFOW& OSVersionRecord()
{
    static OSVERSIONINFOW record = ReadVersion();
    return record;
}

BOOL RunsOnWindows95()
{
    const OSVERSIONINFOW& info = OSVersionRecord();
    return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info.dwMajorVersion == 4 && info.dwMinorVersion < 10;
}

BOOL RunsOnWindows98()
{
    return Runs(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
}

BOOL RunsOnWindowsNT4()
{
    return Runs(VER_PLATFORM_WIN32_NT, 4, 0);
}

BOOL RunsOnWindows2000()
{
    return Runs(VER_PLATFORM_WIN32_NT, 5, 0);
}

BOOL RunsOnWindowsXP()
{
    return Runs(VER_PLATFORM_WIN32_NT, 5, 1);
}

BOOL RunsOnWindows2000OrLater()
{
    const OSVERSIONINFOW& info = OSVersionRecord();
    return info.dwPlatformId >= VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
}

BOOL RunsOnVersion(DWORD dwMajor, DWORD dwMinor)
{
    const OSVERSIONINFOW& info = OSVersionRecord();
    return info.dwMajorVersion == dwMajor && info.dwMinorVersion == dwMinor;
}
