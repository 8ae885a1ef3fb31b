#include "FontHelpers.h"
#include "OSVersion.h"

namespace {

int CALLBACK MatchFamily(const LOGFONTW* pFont, const TEXTMETRICW*, DWORD, LPARAM lParam)
{
    // Zero ends the enumeration at the first match.
    return ::lstrcmpiW(pFont->lfFaceName, reinterpret_cast<LPCWSTR>(lParam)) == 0 ? 0 : 1;
}

} // namespace

BOOL FontFamilyExists(LPCTSTR lpszFace)
{
    const HWND hDesktop = ::GetDesktopWindow();
    const HDC hDC = ::GetWindowDC(hDesktop);
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    const int result = ::EnumFontFamiliesExW(hDC, &font, MatchFamily, reinterpret_cast<LPARAM>(lpszFace), 0);
    ::ReleaseDC(hDesktop, hDC);
    return result == 0;
}

CString GetDefaultFontFace(BOOL bPreferTahoma)
{
    LOGFONTW guiFont{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont);
    if ((guiFont.lfCharSet > 2 && RunsOnWindows2000OrLater()) || !FontFamilyExists(L"Arial"))
        return CString(guiFont.lfFaceName);
    if (bPreferTahoma && FontFamilyExists(L"Tahoma"))
        return CString(L"Tahoma");
    return CString(L"Arial");
}

void StripMnemonics(CString& strText)
{
    CString stripped;
    const int length = strText.GetLength();
    for (int i = 0; i < length; ++i) {
        const wchar_t c = strText[i];
        if (c != L'&') {
            stripped += c;
        } else if (i + 1 < length && strText[i + 1] == L'&') {
            stripped += L'&';
            ++i;
        }
    }
    strText = stripped;
}
