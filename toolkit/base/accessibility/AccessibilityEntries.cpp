#include "AccessibilityEntries.h"

#include <atomic>

namespace AccessibilityEntries {
namespace {

std::atomic<NotifyWinEventEntry> g_pfnNotifyWinEvent{nullptr};
std::atomic<bool> g_bNotifyLookedUp{false};

// OLEACC is loaded once found and kept for the process.
FARPROC OleaccEntry(const char* pszName)
{
    static std::atomic<HMODULE> s_hOleacc{nullptr};
    HMODULE hOleacc = s_hOleacc.load();
    if (hOleacc == nullptr) {
        hOleacc = ::LoadLibraryW(L"oleacc.dll");
        if (hOleacc == nullptr)
            return nullptr;
        HMODULE hExpected = nullptr;
        if (!s_hOleacc.compare_exchange_strong(hExpected, hOleacc)) {
            ::FreeLibrary(hOleacc);
            hOleacc = hExpected;
        }
    }
    return ::GetProcAddress(hOleacc, pszName);
}

} // namespace

void LookUpNotifyWinEvent()
{
    if (g_bNotifyLookedUp.exchange(true))
        return;
    if (HMODULE hUser32 = ::GetModuleHandleW(L"user32.dll"))
        g_pfnNotifyWinEvent = reinterpret_cast<NotifyWinEventEntry>(
            reinterpret_cast<void*>(::GetProcAddress(hUser32, "NotifyWinEvent")));
}

NotifyWinEventEntry NotifyWinEvent()
{
    return g_pfnNotifyWinEvent.load();
}

AccessibleObjectFromWindowEntry AccessibleObjectFromWindow()
{
    static std::atomic<AccessibleObjectFromWindowEntry> s_pfn{nullptr};
    if (s_pfn.load() == nullptr)
        s_pfn = reinterpret_cast<AccessibleObjectFromWindowEntry>(
            reinterpret_cast<void*>(OleaccEntry("AccessibleObjectFromWindow")));
    return s_pfn.load();
}

LresultFromObjectEntry LresultFromObject()
{
    static std::atomic<LresultFromObjectEntry> s_pfn{nullptr};
    if (s_pfn.load() == nullptr)
        s_pfn = reinterpret_cast<LresultFromObjectEntry>(reinterpret_cast<void*>(OleaccEntry("LresultFromObject")));
    return s_pfn.load();
}

} // namespace AccessibilityEntries
