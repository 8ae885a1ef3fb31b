#include "CXTPWinThemeWrapper.h"

namespace {
using OpenThemeDataFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
using PartiallyTransparentFn = BOOL(WINAPI*)(HTHEME, int, int);
using GetThemeColorFn = HRESULT(WINAPI*)(HTHEME, int, int, int, COLORREF*);
using GetCurrentThemeNameFn = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
using BoolFn = BOOL(WINAPI*)();
}

CXTPWinThemeWrapper::~CXTPWinThemeWrapper()
{
    CloseThemeData();
}

void CXTPWinThemeWrapper::OpenThemeData(HWND hWnd, LPCWSTR pszClassList)
{
    CloseThemeData();
    try {
        if (auto open = EntryAs<OpenThemeDataFn>(ThemeEntry::OpenThemeData))
            m_hTheme = open(hWnd, pszClassList);
    } catch (...) {
        m_hTheme = nullptr;
    }
}

HRESULT CXTPWinThemeWrapper::CloseThemeData()
{
    HRESULT hr = S_OK;
    if (m_hTheme) {
        try {
            if (auto close = EntryAs<CloseThemeDataFn>(ThemeEntry::CloseThemeData))
                hr = close(m_hTheme);
        } catch (...) {
            hr = E_FAIL;
        }
    }
    m_hTheme = nullptr;
    return hr;
}

HRESULT CXTPWinThemeWrapper::DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                                 const RECT* pClipRect)
{
    try {
        if (auto draw = EntryAs<DrawThemeBackgroundFn>(ThemeEntry::DrawThemeBackground))
            return draw(m_hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
    } catch (...) {
    }
    return E_FAIL;
}

BOOL CXTPWinThemeWrapper::IsThemeBackgroundPartiallyTransparent(int iPartId, int iStateId)
{
    try {
        if (auto query = EntryAs<PartiallyTransparentFn>(ThemeEntry::IsThemeBackgroundPartiallyTransparent))
            return query(m_hTheme, iPartId, iStateId);
    } catch (...) {
    }
    return TRUE;
}

HRESULT CXTPWinThemeWrapper::GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    try {
        if (auto get = EntryAs<GetThemeColorFn>(ThemeEntry::GetThemeColor))
            return get(m_hTheme, iPartId, iStateId, iPropId, pColor);
    } catch (...) {
    }
    return E_FAIL;
}

HRESULT CXTPWinThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                                 int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars)
{
    try {
        if (auto get = EntryAs<GetCurrentThemeNameFn>(ThemeEntry::GetCurrentThemeName))
            return get(pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars, pszSizeBuff,
                       cchMaxSizeChars);
    } catch (...) {
    }
    return E_FAIL;
}

BOOL CXTPWinThemeWrapper::IsAppThemed()
{
    if (!m_hTheme)
        return FALSE;
    try {
        if (auto themed = EntryAs<BoolFn>(ThemeEntry::IsAppThemed))
            return themed();
    } catch (...) {
    }
    return FALSE;
}

BOOL CXTPWinThemeWrapper::IsThemeActive()
{
    try {
        if (auto active = EntryAs<BoolFn>(ThemeEntry::IsThemeActive))
            return active();
    } catch (...) {
    }
    return FALSE;
}

BOOL CXTPWinThemeWrapper::IsThemingAvailable()
{
    return m_table->IsModuleLoaded() && IsThemeActive() && HIWORD(m_table->GetComCtlVersion()) > 5;
}
