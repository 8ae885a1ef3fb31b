#pragma once
// One visual-style theme (a class such as "BUTTON" or "TAB") held open for a
// theme object of the toolkit. Every call goes through the process's entry
// table; when UxTheme or an entry is missing, or a call raises, the operation
// answers its failure value (E_FAIL, FALSE, no handle) and the caller draws in
// its own style.
#include "ThemeEntryTable.h"

#include <uxtheme.h>

class CXTPWinThemeWrapper {
public:
    explicit CXTPWinThemeWrapper(ThemeEntryTable& table = ThemeEntryTable::Process()) : m_table(&table) {}
    virtual ~CXTPWinThemeWrapper();

    CXTPWinThemeWrapper(const CXTPWinThemeWrapper&) = delete;
    CXTPWinThemeWrapper& operator=(const CXTPWinThemeWrapper&) = delete;

    // Closes the held theme first; the new handle may be null.
    void OpenThemeData(HWND hWnd, LPCWSTR pszClassList);
    HRESULT CloseThemeData();
    HRESULT DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect, const RECT* pClipRect);
    // TRUE also when it cannot be told: the caller then draws over what is there.
    BOOL IsThemeBackgroundPartiallyTransparent(int iPartId, int iStateId);
    HRESULT GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);
    // FALSE at once while no theme is open.
    BOOL IsAppThemed();

    // The system's visual styles are switched on.
    BOOL IsThemeActive();
    // Visual styles can show: UxTheme loaded, a theme active and common
    // controls of version 6 or later.
    BOOL IsThemingAvailable();

    HTHEME GetThemeHandle() const { return m_hTheme; }

private:
    // The entry as a function of type Fn, or null.
    template <typename Fn>
    Fn EntryAs(ThemeEntry entry)
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(m_table->Entry(entry)));
    }

    ThemeEntryTable* m_table;
    HTHEME m_hTheme = nullptr;
};
