#include "MonitorFunctions.h"
#include "OSVersion.h"

namespace {

template <class T>
bool Take(HMODULE hModule, const char* pszName, T& entry)
{
    entry = reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)));
    return entry != nullptr;
}

} // namespace

const MonitorFunctions& MonitorFunctions::Get()
{
    static const MonitorFunctions functions;
    return functions;
}

MonitorFunctions::MonitorFunctions()
{
    const HMODULE hUser = ::GetModuleHandleW(L"user32.dll");
    const char* pszInfo = OSVersionRecord().dwPlatformId == VER_PLATFORM_WIN32_NT ? "GetMonitorInfoW" : "GetMonitorInfoA";
    if (hUser == nullptr || !Take(hUser, "MonitorFromWindow", m_pfnMonitorFromWindow)
        || !Take(hUser, "MonitorFromRect", m_pfnMonitorFromRect)
        || !Take(hUser, "MonitorFromPoint", m_pfnMonitorFromPoint) || !Take(hUser, pszInfo, m_pfnGetMonitorInfo))
        m_pfnGetMonitorInfo = nullptr;
}

bool MonitorFunctions::WorkRect(HMONITOR hMonitor, RECT* pRect) const
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (hMonitor == nullptr || !m_pfnGetMonitorInfo(hMonitor, &info))
        return false;
    *pRect = info.rcWork;
    return true;
}
