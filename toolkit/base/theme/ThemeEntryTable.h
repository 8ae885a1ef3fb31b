#pragma once
// The process's way into the visual-style library: UxTheme is loaded by name,
// so the program runs where it is missing, and each entry is looked up by name
// on first use. Also keeps the common-controls version, which decides whether
// visual styles can show at all.
#include <windows.h>

#include <functional>

enum class ThemeEntry {
    DrawThemeBackground,
    CloseThemeData,
    SetWindowTheme,
    SetThemeAppProperties,
    OpenThemeData,
    IsThemePartDefined,
    IsThemeDialogTextureEnabled,
    IsThemeBackgroundPartiallyTransparent,
    IsThemeActive,
    IsAppThemed,
    HitTestThemeBackground,
    GetWindowTheme,
    GetThemeSysString,
    GetThemeTextMetrics,
    GetThemeTextExtent,
    GetThemeSysSize,
    GetThemeSysInt,
    GetThemeSysFont,
    GetThemeSysColorBrush,
    GetThemeSysColor,
    GetThemeSysBool,
    GetThemeString,
    GetThemeRect,
    GetThemePropertyOrigin,
    GetThemePosition,
    GetThemePartSize,
    GetThemeMetric,
    GetThemeMargins,
    GetThemeIntList,
    GetThemeInt,
    GetThemeFont,
    GetThemeFilename,
    GetThemeEnumValue,
    GetThemeDocumentationProperty,
    GetThemeColor,
    GetThemeBool,
    GetThemeBackgroundRegion,
    GetThemeBackgroundExtent,
    GetThemeBackgroundContentRect,
    ThemeAppProperties,
    GetCurrentThemeName,
    EnableTheming,
    EnableThemeDialogTexture,
    DrawThemeText,
    DrawThemeParentBackground,
    DrawThemeIcon,
    DrawThemeEdge,
    DrawThemeBackgroundEx,
    Count
};

class ThemeEntryTable {
public:
    // Answers an entry's address by name, or null; an empty lookup stands for a
    // library that could not be loaded.
    using EntryLookup = std::function<FARPROC(const char* name)>;

    // The process's table, built before the program's own code runs and never
    // destroyed (theme wrappers of static objects close their themes at exit).
    static ThemeEntryTable& Process();

    // A table over another module (tests): its lookup and a packed comctl32 version.
    ThemeEntryTable(EntryLookup lookup, DWORD comCtlVersion);

    BOOL IsModuleLoaded() const { return m_lookup != nullptr; }
    // Major version in the upper, minor in the lower 16 bits; 0 when unknown.
    DWORD GetComCtlVersion() const { return m_comCtlVersion; }
    // The entry's address or null. A found entry is kept; a missing one is
    // asked for again next time.
    FARPROC Entry(ThemeEntry entry);

    // The packed version a module reports through its DllGetVersion; 0 without one.
    static DWORD GetComCtlVersion(HMODULE module);

private:
    ThemeEntryTable();

    static const char* const s_entryNames[static_cast<int>(ThemeEntry::Count)];

    FARPROC m_entries[static_cast<int>(ThemeEntry::Count)] = {};
    EntryLookup m_lookup;
    DWORD m_comCtlVersion = 0;
};
