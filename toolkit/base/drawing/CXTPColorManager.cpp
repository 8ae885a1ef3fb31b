#include "CXTPColorManager.h"

#include "CXTPWinThemeWrapper.h"
#include "ColorContrast.h"

#include <algorithm>
#include <cwctype>
#include <string>

namespace {
// Each row: the number whose standard value is set, then what it comes from.
struct Blend {
    int target, first, second, weight;
};
struct Contrast {
    int target, reference, other, threshold;
};

constexpr Blend kBlends[] = {
    {30, 5, 15, 165}, {31, 13, 5, 30}, {33, 13, 5, 50}, {41, 15, 5, 143}, {35, 17, 5, 70},
    {38, 16, 5, 75},  {39, 16, 5, 70}, {43, 46, 16, 20}, {40, 16, 5, 90}, {42, 15, 16, 90},
};

constexpr Contrast kContrasts[] = {
    {31, 30, 31, 50},  {32, 30, 13, 100}, {33, 30, 33, 30},  {35, 41, 35, 80},  {37, 33, 37, 100},
    {38, 30, 38, 85},  {39, 30, 39, 50},  {43, 47, 43, 100}, {40, 30, 40, 80},  {44, 41, 44, 180},
    {45, 31, 45, 180}, {46, 30, 46, 180}, {47, 33, 47, 180},
};

// Scheme colours: number, then blue, olive and silver.
constexpr COLORREF kSchemeColors[][4] = {
    {38, 0x764127, 0x335E51, 0x755454}, {39, 0xCB8C6A, 0x588060, 0x8F6D6E}, {40, 0xD0966D, 0x7AAE9F, 0xBEA7A8},
    {41, 0xF6F6F6, 0xEEF4F4, 0xFFFAFD}, {43, 0x962D00, 0x5E8D75, 0x947C7C}, {31, 0xC2EEFF, 0xC2EEFF, 0xC2EEFF},
    {32, 0x800000, 0x385D3F, 0x6F4B4B}, {50, 0x800000, 0x385D3F, 0x6F4B4B}, {37, 0x800000, 0x385D3F, 0x6F4B4B},
    {33, 0x3E80FE, 0x3E80FE, 0x3E80FE}, {36, 0x6FC0FF, 0x6FC0FF, 0x6FC0FF}, {30, 0xF5BE9E, 0xA7D9D9, 0xE5D7D7},
    {47, 0x000000, 0x000000, 0x000000}, {59, 0x361E16, 0x19221F, 0x292024},
};

struct SchemeGradient {
    COLORREF start, end;
    float factor;
};

// The scheme gradients 0 to 6 of blue, olive and silver.
constexpr SchemeGradient kSchemeGradients[3][CXTPColorManager::kSchemeGradientCount] = {
    {{0xD68759, 0x962D00, 0.5f}, {0xF5BE9E, 0xFADAC4, 0.5f}, {0xD68759, 0x962D00, 0.5f}, {0xFEECDD, 0xE2A981, 0.75f},
     {0xFFEFE3, 0xE4AD87, 0.5f}, {0xF6DDCB, 0xDCA179, 0.5f}, {0xFFEFE3, 0xE7B593, 0.5f}},
    {{0x82C0AF, 0x447A63, 0.5f}, {0xA7D9D9, 0xE4F1F2, 0.5f}, {0x6F8E78, 0x435B49, 0.5f}, {0xDEF7F4, 0x91C6B7, 0.3f},
     {0xEDFFFF, 0x92C7B8, 0.3f}, {0xD1E6E6, 0x78B4A4, 0.3f}, {0xD5F0EC, 0x9FCEC2, 0.5f}},
    {{0xBFA7A8, 0x916F70, 0.5f}, {0xE5D7D7, 0xF7F3F3, 0.5f}, {0xBFA7A8, 0x977677, 0.5f}, {0xFFF9F9, 0xB79B9C, 0.75f},
     {0xFFF9F9, 0xB99D9F, 0.75f}, {0xE2D7D7, 0x9E7E80, 0.75f}, {0xF1E7E9, 0xCDB9BA, 0.5f}},
};

constexpr COLORREF kSchemeCaptionLine[3] = {0x962D00, 0x588060, 0x947C7C};

// The tree view's border colour (TMT_BORDERCOLOR).
constexpr int kBorderColorProperty = 3801;

bool IsScheme(ColorSchemeKind kind)
{
    return kind >= xtpColorSchemeBlue && kind <= xtpColorSchemeSilver;
}

int MaxChannel(COLORREF clr)
{
    return std::max({GetRValue(clr), GetGValue(clr), GetBValue(clr)});
}

template <typename Fn>
COLORREF PerChannel(COLORREF clr, Fn fn)
{
    return RGB(fn(GetRValue(clr)), fn(GetGValue(clr)), fn(GetBValue(clr)));
}

std::wstring Lowered(const wchar_t* text)
{
    std::wstring s(text);
    std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return s;
}

DWORD g_lastRefreshTick = 0;

bool HasMainWindow()
{
    if (AfxGetMainWnd() != nullptr)
        return true;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr;
}
}

CXTPColorManager::CXTPColorManager()
{
    std::fill(std::begin(m_override), std::end(m_override), COLORREF(-1));
    std::fill(std::begin(m_scheme), std::end(m_scheme), COLORREF(-1));
    m_gradients[7].SetStandardValue(0x8CD5FF, 0x55ADFF);
    m_gradients[8].SetStandardValue(0x4B8EFE, 0x8BCFFF);
    m_gradients[9].SetStandardValue(0xC8F2FF, 0x97D4FF);
    RefreshColors();
}

COLORREF CXTPColorManager::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= kColorCount)
        return COLORREF(nIndex);
    return m_override[nIndex] != COLORREF(-1) ? m_override[nIndex] : m_standard[nIndex];
}

COLORREF CXTPColorManager::GetSchemeOrStandardColor(int nIndex) const
{
    if (nIndex >= kFirstToolkitColor && nIndex < kColorCount && m_scheme[nIndex] != COLORREF(-1))
        return m_scheme[nIndex];
    return GetColor(nIndex);
}

COLORREF CXTPColorManager::BlendColors(COLORREF clrFirst, COLORREF clrSecond, int nWeight)
{
    const int d = nWeight < 100 ? 100 : 1000;
    auto channel = [&](int first, int second) { return (nWeight * first + (d - nWeight) * second + d / 2) / d; };
    return RGB(channel(GetRValue(clrFirst), GetRValue(clrSecond)), channel(GetGValue(clrFirst), GetGValue(clrSecond)),
               channel(GetBValue(clrFirst), GetBValue(clrSecond)));
}

ColorSchemeKind CXTPColorManager::GetCurrentTheme() const
{
    return m_chosenTheme == xtpColorSchemeSystem || m_chosenTheme == xtpColorSchemeSystemOther ? m_systemTheme
                                                                                              : m_chosenTheme;
}

ColorSchemeKind CXTPColorManager::SchemeInForce() const
{
    return m_bSchemeColorsDisabled ? xtpColorSchemeNone : GetCurrentTheme();
}

COLORREF CXTPColorManager::SystemColor(int nIndex) const
{
    return m_sysColorSource ? m_sysColorSource(nIndex) : ::GetSysColor(nIndex);
}

int CXTPColorManager::DisplayDepth() const
{
    if (m_displayDepthSource)
        return m_displayDepthSource();
    HWND desktop = ::GetDesktopWindow();
    HDC dc = ::GetDC(desktop);
    const int bits = ::GetDeviceCaps(dc, BITSPIXEL);
    ::ReleaseDC(desktop, dc);
    return bits;
}

void CXTPColorManager::RefreshColors()
{
    m_systemTheme = DetectColorScheme(*m_themeTable);
    const int bits = DisplayDepth();
    m_bLowColor = bits >= 1 && bits <= 8;

    m_standard[0] = 0;
    for (int i = 1; i <= 27; ++i)
        m_standard[i] = SystemColor(i);
    SetPlainDefaults();
    SetSchemeColors();
    if (m_bLowColor) {
        SetGradients();
        return;
    }
    DeriveColors();
    SetGradients();
    ReadTreeViewBorder();
}

void CXTPColorManager::SetPlainDefaults()
{
    const COLORREF face = GetColor(COLOR_BTNFACE);
    const COLORREF shadow = GetColor(COLOR_BTNSHADOW);
    const COLORREF window = GetColor(COLOR_WINDOW);
    const COLORREF highlight = GetColor(COLOR_HIGHLIGHT);
    for (int i : {30, 48, 51, 53, 55, 56})
        m_standard[i] = face;
    for (int i : {34, 38, 39, 40, 42, 43, 52, 54, 57, 60})
        m_standard[i] = shadow;
    for (int i : {31, 36, 41})
        m_standard[i] = window;
    for (int i : {32, 33, 37, 50})
        m_standard[i] = highlight;
    m_standard[35] = GetColor(COLOR_GRAYTEXT);
    m_standard[58] = GetColor(COLOR_GRAYTEXT);
    m_standard[44] = GetColor(COLOR_WINDOWTEXT);
    m_standard[45] = GetColor(COLOR_MENUTEXT);
    m_standard[46] = GetColor(COLOR_BTNTEXT);
    m_standard[49] = GetColor(COLOR_BTNTEXT);
    m_standard[47] = GetColor(COLOR_HIGHLIGHTTEXT);
    m_standard[59] = 0;
}

void CXTPColorManager::SetSchemeColors()
{
    std::fill(std::begin(m_scheme), std::end(m_scheme), COLORREF(-1));
    const ColorSchemeKind scheme = SchemeInForce();
    if (!IsScheme(scheme))
        return;
    for (const auto& row : kSchemeColors)
        m_scheme[row[0]] = row[scheme];
}

void CXTPColorManager::DeriveColors()
{
    for (const Blend& b : kBlends)
        m_standard[b.target] = BlendColors(GetColor(b.first), GetColor(b.second), b.weight);

    if (ColorContrast::DifferEnough(GetColor(COLOR_BTNFACE), GetColor(30), 35))
        m_standard[30] = ColorContrast::PullToward(GetColor(COLOR_BTNFACE), GetColor(30), 35);

    for (const Contrast& c : kContrasts) {
        if (!ColorContrast::DifferEnough(GetColor(c.reference), GetColor(c.other), c.threshold))
            m_standard[c.target] = ColorContrast::PushAway(GetColor(c.reference), GetColor(c.other), c.threshold);
    }

    if (ColorContrast::DifferEnough(GetColor(41), GetColor(35), 145))
        m_standard[35] = ColorContrast::PullToward(GetColor(41), GetColor(35), 145);

    const COLORREF highlight = GetColor(COLOR_HIGHLIGHT), c30 = GetColor(30), window = GetColor(COLOR_WINDOW);
    m_standard[36] = RGB(GetRValue(highlight) / 10 + GetRValue(c30) / 2 + GetRValue(window) * 2 / 5,
                         GetGValue(highlight) / 10 + GetGValue(c30) / 2 + GetGValue(window) * 2 / 5,
                         GetBValue(highlight) / 10 + GetBValue(c30) / 2 + GetBValue(window) * 2 / 5);

    const COLORREF face = GetColor(COLOR_BTNFACE);
    const int faceMax = MaxChannel(face);
    if (faceMax == 0) {
        m_standard[48] = 0x232323;
    } else {
        const int lifted = faceMax + std::min(35, 255 - faceMax);
        m_standard[48] = PerChannel(face, [&](int c) { return c * lifted / faceMax; });
    }

    if (face == 0) {
        m_standard[49] = 0x7F7F7F;
    } else {
        const COLORREF shadow = GetColor(COLOR_BTNSHADOW);
        const int shadowMax = MaxChannel(shadow);
        m_standard[49] = shadowMax == 0 ? 0
                                        : PerChannel(shadow, [&](int c) {
                                              return c * std::max(shadowMax - 43, 0) / shadowMax;
                                          });
    }

    m_standard[34] = PerChannel(m_standard[31], [](int c) { return static_cast<int>(c * 0.75); });
    m_standard[COLOR_3DLIGHT] = PerChannel(face, [](int c) { return std::min(c + 15, 255); });

    m_standard[53] = GetColor(30);
    m_standard[58] = GetColor(40);
    m_standard[60] = m_standard[40];
}

void CXTPColorManager::SetGradients()
{
    const ColorSchemeKind scheme = SchemeInForce();
    if (IsScheme(scheme)) {
        m_standard[54] = kSchemeCaptionLine[scheme - 1];
        for (int i = 0; i < kSchemeGradientCount; ++i) {
            const SchemeGradient& g = kSchemeGradients[scheme - 1][i];
            m_gradients[i].SetStandardValue(g.start, g.end, g.factor);
        }
        return;
    }
    const COLORREF f = GetColor(COLOR_BTNFACE), s = GetColor(COLOR_BTNSHADOW), w = GetColor(COLOR_WINDOW);
    m_gradients[0].SetStandardValue(s, s);
    m_gradients[1].SetStandardValue(f, BlendColors(f, w, 215));
    m_gradients[2].SetStandardValue(f, s);
    m_gradients[3].SetStandardValue(BlendColors(f, w, 205), f);
    m_gradients[4].SetStandardValue(BlendColors(f, w, 145), BlendColors(f, w, 93));
    m_gradients[5].SetStandardValue(BlendColors(f, w, 40), BlendColors(f, s, 95));
    m_gradients[6].SetStandardValue(BlendColors(f, w, 165), BlendColors(f, w, 42));
}

void CXTPColorManager::ReadTreeViewBorder()
{
    CXTPWinThemeWrapper treeView(*m_themeTable);
    treeView.OpenThemeData(nullptr, L"TREEVIEW");
    COLORREF border = 0;
    if (treeView.IsAppThemed() && SUCCEEDED(treeView.GetThemeColor(0, 0, kBorderColorProperty, &border)))
        m_standard[57] = border;
}

CXTPColorManager* GetColorManager()
{
    static CXTPColorManager manager;
    return &manager;
}

void RefreshColorsIfStale()
{
    const DWORD now = ::GetTickCount();
    if (now - g_lastRefreshTick <= 500)
        return;
    GetColorManager()->RefreshColors();
    if (HasMainWindow())
        g_lastRefreshTick = now;
}

ColorSchemeKind DetectColorScheme(ThemeEntryTable& table)
{
    CXTPWinThemeWrapper themes(table);
    wchar_t file[260] = {};
    wchar_t color[260] = {};
    wchar_t size[260] = {};
    if (!themes.IsThemeActive() || FAILED(themes.GetCurrentThemeName(file, 260, color, 260, size, 260)))
        return xtpColorSchemeNone;
    const std::wstring fileName = Lowered(file), colorName = Lowered(color);
    if (fileName.find(L"luna.msstyles") != std::wstring::npos) {
        if (colorName == L"normalcolor")
            return xtpColorSchemeBlue;
        if (colorName == L"homestead")
            return xtpColorSchemeOlive;
        if (colorName == L"metallic")
            return xtpColorSchemeSilver;
        return xtpColorSchemeNone;
    }
    if (fileName.find(L"royale.msstyles") != std::wstring::npos && colorName == L"normalcolor")
        return xtpColorSchemeBlue;
    return xtpColorSchemeNone;
}
