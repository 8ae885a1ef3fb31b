#include "ToolkitLookData.h"

#include "CXTPColorManager.h"
#include "CXTPResourceManager.h"
#include "FontHelpers.h"
#include "OSVersion.h"
#include "ThemeEntryTable.h"

namespace {

constexpr UINT kSplitHorzCursor = 9008;
constexpr UINT kSplitVertCursor = 9009;
constexpr UINT kMoveCursor = 9011;
constexpr UINT kDragMoveCursor = 9970;
constexpr UINT kDragCopyCursor = 9971;
constexpr UINT kHandCursor = 9973;

// Keeps what the description holds where a value says so: -1, or 255 for the
// underline byte.
constexpr LONG kKeep = -1;
constexpr BYTE kKeepUnderline = 255;

BOOL CreateLookFont(CFont& font, const LOGFONTW& description, LONG lWeight = kKeep, BYTE bUnderline = kKeepUnderline,
                    LONG lEscapement = kKeep, LONG lOrientation = kKeep)
{
    LOGFONTW lf = description;
    if (lWeight != kKeep)
        lf.lfWeight = lWeight;
    if (bUnderline != kKeepUnderline)
        lf.lfUnderline = bUnderline;
    if (lEscapement != kKeep)
        lf.lfEscapement = lEscapement;
    if (lOrientation != kKeep)
        lf.lfOrientation = lOrientation;
    font.DeleteObject();
    return font.CreateFontIndirect(&lf);
}

void SetFace(LOGFONTW& lf, LPCTSTR lpszFace)
{
    lstrcpynW(lf.lfFaceName, lpszFace, LF_FACESIZE);
}

} // namespace

LookDataSystem LookDataSystem::Actual()
{
    LookDataSystem system;
    system.nonClientMetrics = [] { return NonClientMetrics(); };
    system.iconTitleFont = [] {
        LOGFONTW lf{};
        ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
        return lf;
    };
    system.screenCharset = [] {
        CWindowDC dc(CWnd::GetDesktopWindow());
        return static_cast<BYTE>(::GetTextCharsetInfo(dc.GetSafeHdc(), nullptr, 0));
    };
    system.fontFamilyExists = &FontFamilyExists;
    system.systemHandCursor = [] { return ::LoadCursorW(nullptr, IDC_HAND); };
    return system;
}

ToolkitLookData::ToolkitLookData(LookDataSystem system) : m_system(std::move(system))
{
    bWin95 = RunsOnWindows95();
    bWin98 = RunsOnWindows98();
    bWinNT4 = RunsOnWindowsNT4();
    bWin2K = RunsOnWindows2000();
    bWinXP = RunsOnWindowsXP();
    ReadComCtlVersion();
    ReadColors();
    ReadMetrics();
    LoadCursors();
    UpdateFonts();
}

void ToolkitLookData::ReadComCtlVersion()
{
    if (HMODULE comCtl = ::LoadLibraryW(L"COMCTL32.DLL")) {
        if (const DWORD version = ThemeEntryTable::GetComCtlVersion(comCtl))
            m_nComCtlVersion = static_cast<int>(version);
        ::FreeLibrary(comCtl);
    }
}

void ToolkitLookData::ReadColors()
{
    RefreshColorsIfStale();
    const CXTPColorManager& colours = *GetColorManager();
    struct {
        COLORREF* target;
        int index;
    } const system[] = {
        {&clrBtnFace, COLOR_BTNFACE},
        {&clrBtnShadow, COLOR_BTNSHADOW},
        {&clr3DDkShadow, COLOR_3DDKSHADOW},
        {&clrBtnHighlight, COLOR_BTNHIGHLIGHT},
        {&clr3DLight, COLOR_3DLIGHT},
        {&clrBtnText, COLOR_BTNTEXT},
        {&clrGrayText, COLOR_GRAYTEXT},
        {&clrHighlight, COLOR_HIGHLIGHT},
        {&clrHighlightText, COLOR_HIGHLIGHTTEXT},
        {&clrMenu, COLOR_MENU},
        {&clrMenuText, COLOR_MENUTEXT},
        {&clrWindow, COLOR_WINDOW},
        {&clrWindowFrame, COLOR_WINDOWFRAME},
        {&clrWindowText, COLOR_WINDOWTEXT},
        {&clrActiveCaption, COLOR_ACTIVECAPTION},
        {&clrInactiveCaption, COLOR_INACTIVECAPTION},
        {&clrGradActiveCaption, COLOR_GRADIENTACTIVECAPTION},
        {&clrGradInactiveCaption, COLOR_GRADIENTINACTIVECAPTION},
        {&clrActiveCaptionText, COLOR_CAPTIONTEXT},
        {&clrInactiveCaptionText, COLOR_INACTIVECAPTIONTEXT},
    };
    for (const auto& entry : system)
        *entry.target = colours.GetColor(entry.index);
    for (int i = 0; i < kToolkitColorCount; ++i)
        clrToolkit[i] = colours.GetColor(CXTPColorManager::kFirstToolkitColor + i);
}

void ToolkitLookData::ReadMetrics()
{
    cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    cyMenuItem = ::GetSystemMetrics(SM_CYMENU);
}

void ToolkitLookData::LoadCursors()
{
    CXTPResourceManager& resources = *GetResourceManager();
    const std::function<HCURSOR()> loads[] = {
        [&] { return hcurMove = resources.FetchCursor(kMoveCursor); },
        [&] { return hcurSplitHorz = resources.FetchCursor(kSplitHorzCursor); },
        [&] { return hcurSplitVert = resources.FetchCursor(kSplitVertCursor); },
        [&] {
            hcurHand = m_system.systemHandCursor();
            if (!hcurHand)
                hcurHand = resources.FetchCursor(kHandCursor);
            return hcurHand;
        },
        [&] { return hcurDragMove = resources.FetchCursor(kDragMoveCursor); },
        [&] { return hcurDragCopy = resources.FetchCursor(kDragCopyCursor); },
        [&] { return hcurSizeAll = ::LoadCursorW(nullptr, IDC_SIZEALL); },
    };
    // The cursors after one that cannot be had stay unloaded.
    for (const auto& load : loads) {
        if (!load())
            return;
    }
}

BOOL ToolkitLookData::UpdateFonts(LPCTSTR lpszHorzFace, LPCTSTR lpszVertFace)
{
    constexpr const wchar_t* kTahoma = L"Tahoma";
    constexpr const wchar_t* kArial = L"Arial";
    for (CFont* font : {&fontNormal, &fontBold, &fontUnderline, &fontVert, &fontVertBold, &fontIconTitle,
                        &fontIconTitleBold, &fontSymbol, &fontStatus, &fontSmallCaption})
        font->DeleteObject();

    const BYTE screenCharset = m_system.screenCharset();
    NonClientMetrics metrics = m_system.nonClientMetrics();
    const LOGFONTW& menu = metrics.lfMenuFont;

    // The menu font's size and face on the screen's character set.
    LOGFONTW base{};
    base.lfHeight = menu.lfHeight;
    base.lfWeight = menu.lfWeight;
    base.lfItalic = menu.lfItalic;
    SetFace(base, menu.lfFaceName);
    base.lfCharSet = screenCharset;

    if (lpszHorzFace && m_system.fontFamilyExists(lpszHorzFace)) {
        SetFace(base, lpszHorzFace);
        SetFace(metrics.lfStatusFont, lpszHorzFace);
        SetFace(metrics.lfSmCaptionFont, lpszHorzFace);
    } else if (!lpszHorzFace && bPreferTahoma && menu.lfCharSet <= 2 && m_system.fontFamilyExists(kTahoma)) {
        SetFace(base, kTahoma);
    }
    if (!CreateLookFont(fontNormal, base) || !CreateLookFont(fontBold, base, FW_BOLD) ||
        !CreateLookFont(fontUnderline, base, kKeep, TRUE))
        return FALSE;

    // Vertical text reads best in "Arial" unless the menu is in "Tahoma".
    if (lpszVertFace && m_system.fontFamilyExists(lpszVertFace))
        SetFace(base, lpszVertFace);
    else if (!lpszVertFace && lstrcmpiW(menu.lfFaceName, kTahoma) != 0 && m_system.fontFamilyExists(kArial))
        SetFace(base, kArial);
    if (!CreateLookFont(fontVert, base, kKeep, kKeepUnderline, 2700, 900) ||
        !CreateLookFont(fontVertBold, base, FW_BOLD, kKeepUnderline, 2700, 900))
        return FALSE;

    const LOGFONTW iconTitle = m_system.iconTitleFont();
    if (!CreateLookFont(fontIconTitle, iconTitle) || !CreateLookFont(fontIconTitleBold, iconTitle, FW_BOLD))
        return FALSE;

    if (!CreateLookFont(fontStatus, metrics.lfStatusFont) || !CreateLookFont(fontSmallCaption, metrics.lfSmCaptionFont))
        return FALSE;

    LOGFONTW symbol{};
    symbol.lfHeight = iconTitle.lfHeight;
    symbol.lfCharSet = DEFAULT_CHARSET;
    SetFace(symbol, L"Marlett");
    return CreateLookFont(fontSymbol, symbol);
}

class ToolkitLookData& ToolkitLookData()
{
    static class ToolkitLookData data;
    return data;
}
