#include "ThemeEntryTable.h"

#include <shlwapi.h>

const char* const ThemeEntryTable::s_entryNames[] = {
    "DrawThemeBackground", "CloseThemeData", "SetWindowTheme", "SetThemeAppProperties", "OpenThemeData",
    "IsThemePartDefined", "IsThemeDialogTextureEnabled", "IsThemeBackgroundPartiallyTransparent", "IsThemeActive",
    "IsAppThemed", "HitTestThemeBackground", "GetWindowTheme", "GetThemeSysString", "GetThemeTextMetrics",
    "GetThemeTextExtent", "GetThemeSysSize", "GetThemeSysInt", "GetThemeSysFont", "GetThemeSysColorBrush",
    "GetThemeSysColor", "GetThemeSysBool", "GetThemeString", "GetThemeRect", "GetThemePropertyOrigin",
    "GetThemePosition", "GetThemePartSize", "GetThemeMetric", "GetThemeMargins", "GetThemeIntList", "GetThemeInt",
    "GetThemeFont", "GetThemeFilename", "GetThemeEnumValue", "GetThemeDocumentationProperty", "GetThemeColor",
    "GetThemeBool", "GetThemeBackgroundRegion", "GetThemeBackgroundExtent", "GetThemeBackgroundContentRect",
    "ThemeAppProperties", "GetCurrentThemeName", "EnableTheming", "EnableThemeDialogTexture", "DrawThemeText",
    "DrawThemeParentBackground", "DrawThemeIcon", "DrawThemeEdge", "DrawThemeBackgroundEx",
};

namespace {
// Made by a static initialiser so the library is in place before main runs.
[[maybe_unused]] ThemeEntryTable& g_processTable = ThemeEntryTable::Process();
}

ThemeEntryTable& ThemeEntryTable::Process()
{
    static ThemeEntryTable* table = new ThemeEntryTable();
    return *table;
}

ThemeEntryTable::ThemeEntryTable()
{
    if (HMODULE uxTheme = ::LoadLibraryW(L"UxTheme.dll"))
        m_lookup = [uxTheme](const char* name) { return ::GetProcAddress(uxTheme, name); };
    if (HMODULE comCtl = ::LoadLibraryW(L"comctl32.dll")) {
        m_comCtlVersion = GetComCtlVersion(comCtl);
        ::FreeLibrary(comCtl);
    }
}

ThemeEntryTable::ThemeEntryTable(EntryLookup lookup, DWORD comCtlVersion)
    : m_lookup(std::move(lookup)), m_comCtlVersion(comCtlVersion)
{
}

FARPROC ThemeEntryTable::Entry(ThemeEntry entry)
{
    FARPROC& cached = m_entries[static_cast<int>(entry)];
    if (m_lookup && !cached) {
        try {
            cached = m_lookup(s_entryNames[static_cast<int>(entry)]);
        } catch (...) {
            cached = nullptr;
        }
    }
    return cached;
}

DWORD ThemeEntryTable::GetComCtlVersion(HMODULE module)
{
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllGetVersion")));
    if (!getVersion)
        return 0;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    if (FAILED(getVersion(&info)))
        return 0;
    return ((info.dwMajorVersion & 0xFFFF) << 16) | (info.dwMinorVersion & 0xFFFF);
}
