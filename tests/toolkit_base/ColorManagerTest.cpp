#include "CXTPColorManager.h"
#include "CXTPPaintManagerColorGradient.h"
#include "ColorContrast.h"
#include "FakeUxTheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

// Windows' classic colours, for the numbers the refresh reads.
COLORREF Classic(int index)
{
    switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT: case COLOR_MENUTEXT: case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGB(0, 0, 128);
    case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(192, 192, 192);
    case COLOR_BTNSHADOW: case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    default: return RGB(index, index, index);
    }
}

COLORREF BlackFace(int index)
{
    return index == COLOR_BTNFACE ? RGB(0, 0, 0) : Classic(index);
}

// A colour manager over a fake visual-style library and given system colours.
struct ManagerOnFake {
    explicit ManagerOnFake(COLORREF (*source)(int), int bits = 24, DWORD comCtl = 0x60000)
        : table(fake.MakeTable(comCtl))
    {
        fake.themeActive = FALSE;
        fake.appThemed = FALSE;
        manager.SetThemeEntryTable(table);
        manager.SetSystemColorSource(source);
        manager.SetDisplayDepthSource([bits] { return bits; });
    }
    FakeUxTheme fake;
    ThemeEntryTable table;
    CXTPColorManager manager;
};

void ExpectGradient(const CXTPPaintManagerColorGradient& g, COLORREF start, COLORREF end, float factor,
                    const char* what)
{
    EXPECT_EQ(g.clrStart.GetColor(), start) << what;
    EXPECT_EQ(g.clrEnd.GetColor(), end) << what;
    EXPECT_FLOAT_EQ(g.fGradientFactor, factor) << what;
}

} // namespace

TEST(PaintManagerColor, CustomValueWinsOverStandard)
{
    CXTPPaintManagerColor colour;
    EXPECT_EQ(colour.GetColor(), CLR_INVALID);
    colour = RGB(1, 2, 3);
    EXPECT_EQ(COLORREF(colour), RGB(1, 2, 3));
    colour.SetCustomValue(RGB(9, 9, 9));
    colour = RGB(4, 5, 6);
    EXPECT_EQ(colour.GetColor(), RGB(9, 9, 9));
    EXPECT_EQ(colour.GetStandardColor(), RGB(4, 5, 6));

    CXTPPaintManagerColorGradient single(RGB(7, 7, 7));
    ExpectGradient(single, RGB(7, 7, 7), RGB(7, 7, 7), 0.5f, "single");
    CXTPPaintManagerColorGradient other;
    other.SetStandardValue(RGB(1, 1, 1), RGB(2, 2, 2), 0.75f);
    other.clrEnd.SetCustomValue(RGB(3, 3, 3));
    single.Assign(other);
    ExpectGradient(single, RGB(1, 1, 1), RGB(3, 3, 3), 0.75f, "assigned");
    EXPECT_FALSE(single.clrEnd.IsCustomValue());
}

TEST(ColorManager, GetColorReadsNumbersUpTo61AndPassesRgbValues)
{
    ManagerOnFake m(&Classic);
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetColor(62), 62u);
    EXPECT_EQ(m.manager.GetColor(0x00FF0000), 0x00FF0000u);
    EXPECT_EQ(m.manager.GetColor(COLOR_WINDOW), RGB(255, 255, 255));
    m.manager.SetColor(COLOR_WINDOW, RGB(1, 2, 3));
    EXPECT_EQ(m.manager.GetColor(COLOR_WINDOW), RGB(1, 2, 3));
    m.manager.SetColor(COLOR_WINDOW, CLR_INVALID);
    EXPECT_EQ(m.manager.GetColor(COLOR_WINDOW), RGB(255, 255, 255));
}

TEST(ColorManager, BlendColorsReadsWeightsFrom100InTenthsOfAPercent)
{
    struct Case {
        COLORREF first, second;
        int weight;
        COLORREF blended;
    } cases[] = {
        {RGB(255, 255, 255), RGB(0, 0, 0), 50, RGB(128, 128, 128)},  // 12750 + 50 rounds up
        {RGB(255, 255, 255), RGB(0, 0, 0), 165, RGB(42, 42, 42)},    // 16.5 %
        {RGB(255, 0, 0), RGB(0, 0, 255), 100, RGB(26, 0, 230)},      // 10 %, not 100 %
        {RGB(10, 20, 30), RGB(200, 100, 0), 0, RGB(200, 100, 0)},
        {RGB(10, 20, 30), RGB(200, 100, 0), 1000, RGB(10, 20, 30)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CXTPColorManager::BlendColors(c.first, c.second, c.weight), c.blended) << c.weight;
}

TEST(ColorManager, RefreshDerivesTheToolkitColours)
{
    struct Case {
        const char* name;
        COLORREF (*source)(int);
        int index;
        COLORREF expected;
    } cases[] = {
        {"classic", &Classic, 30, RGB(202, 202, 202)},        // 16.5 % window on face, close enough to stay
        {"classic", &Classic, 36, RGB(203, 203, 215)},        // 13/10 + 30/2 + 5 x 2/5
        {"classic", &Classic, 48, RGB(227, 227, 227)},        // face lifted by 35
        {"classic", &Classic, 49, RGB(85, 85, 85)},           // shadow lowered by 43
        {"classic", &Classic, COLOR_3DLIGHT, RGB(207, 207, 207)},
        {"classic", &Classic, 53, RGB(202, 202, 202)},        // = 30
        {"classic", &Classic, 57, RGB(128, 128, 128)},        // no theme: the shadow
        {"classic", &Classic, 59, 0},
        {"classic", &Classic, 61, 0},
        {"black face", &BlackFace, 48, RGB(0x23, 0x23, 0x23)},
        {"black face", &BlackFace, 49, RGB(0x7F, 0x7F, 0x7F)},
    };
    for (const Case& c : cases) {
        ManagerOnFake m(c.source);
        m.manager.RefreshColors();
        EXPECT_EQ(m.manager.GetColor(c.index), c.expected) << c.name << " " << c.index;
    }

    ManagerOnFake m(&Classic);
    m.manager.RefreshColors();
    EXPECT_FALSE(m.manager.IsLowColor());
    EXPECT_EQ(m.manager.GetCurrentTheme(), xtpColorSchemeNone);
    // The contrast rules leave each colour at least its distance from the toolbar
    // face it is drawn on (up to rounding to whole channel values).
    const COLORREF face = m.manager.GetColor(30);
    for (auto [index, threshold] : {std::pair{31, 50}, {33, 30}, {38, 85}, {39, 50}, {40, 80}, {46, 180}})
        EXPECT_GE(ColorContrast::Distance(face, m.manager.GetColor(index)),
                  ColorContrast::AdaptedThreshold(face, threshold) - 1.0)
            << index;
    ExpectGradient(m.manager.GetGradient(1), RGB(192, 192, 192), RGB(241, 241, 241), 0.5f, "gradient 1");
    ExpectGradient(m.manager.GetGradient(7), 0x8CD5FF, 0x55ADFF, 0.5f, "checked");
    ExpectGradient(m.manager.GetGradient(9), 0xC8F2FF, 0x97D4FF, 0.5f, "hot");
}

TEST(ColorManager, DerivedColoursFollowOverrides)
{
    ManagerOnFake m(&Classic);
    m.manager.SetColor(COLOR_BTNFACE, RGB(0, 0, 0));
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetColor(48), RGB(0x23, 0x23, 0x23));
    EXPECT_EQ(m.manager.GetColor(49), RGB(0x7F, 0x7F, 0x7F));
}

TEST(ColorManager, LowColourDisplayKeepsPlainDefaultsAndSetsGradients)
{
    ManagerOnFake m(&Classic, 8);
    m.fake.themeActive = TRUE;
    m.fake.appThemed = TRUE;
    m.fake.themeFile = L"luna.msstyles";
    m.fake.colorName = L"NormalColor";
    m.fake.themeColor = RGB(1, 2, 3);
    m.manager.RefreshColors();
    EXPECT_TRUE(m.manager.IsLowColor());
    struct {
        int index;
        COLORREF expected;
    } plain[] = {{30, RGB(192, 192, 192)}, {31, RGB(255, 255, 255)}, {33, RGB(0, 0, 128)}, {36, RGB(255, 255, 255)},
                 {48, RGB(192, 192, 192)}, {49, RGB(0, 0, 0)},         {57, RGB(128, 128, 128)}};
    for (const auto& p : plain)
        EXPECT_EQ(m.manager.GetColor(p.index), p.expected) << p.index;
    // The scheme still sets its gradients and caption line.
    ExpectGradient(m.manager.GetGradient(0), 0xD68759, 0x962D00, 0.5f, "blue gradient 0");
    EXPECT_EQ(m.manager.GetColor(54), 0x962D00u);

    ManagerOnFake classic(&Classic, 8);
    classic.manager.RefreshColors();
    ExpectGradient(classic.manager.GetGradient(1), RGB(192, 192, 192), RGB(241, 241, 241), 0.5f, "gradient 1");
}

TEST(ColorManager, SchemeColoursAndGradientsFollowTheDetectedScheme)
{
    ManagerOnFake m(&Classic);
    m.fake.themeActive = TRUE;
    m.fake.themeFile = L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    m.fake.colorName = L"HomeStead";
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetCurrentSystemTheme(), xtpColorSchemeOlive);
    EXPECT_EQ(m.manager.GetCurrentTheme(), xtpColorSchemeOlive);
    EXPECT_EQ(m.manager.GetSchemeOrStandardColor(38), 0x335E51u);
    EXPECT_EQ(m.manager.GetSchemeOrStandardColor(59), 0x19221Fu);
    EXPECT_EQ(m.manager.GetSchemeOrStandardColor(42), m.manager.GetColor(42));  // no scheme value
    EXPECT_EQ(m.manager.GetSchemeOrStandardColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_NE(m.manager.GetColor(38), 0x335E51u);
    EXPECT_EQ(m.manager.GetColor(54), 0x588060u);
    ExpectGradient(m.manager.GetGradient(3), 0xDEF7F4, 0x91C6B7, 0.3f, "olive gradient 3");

    m.manager.SetTheme(xtpColorSchemeSilver);
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetCurrentTheme(), xtpColorSchemeSilver);
    EXPECT_EQ(m.manager.GetSchemeOrStandardColor(38), 0x755454u);
    ExpectGradient(m.manager.GetGradient(6), 0xF1E7E9, 0xCDB9BA, 0.5f, "silver gradient 6");

    m.manager.SwitchOffSchemeColors(TRUE);
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetSchemeOrStandardColor(38), m.manager.GetColor(38));
    EXPECT_EQ(m.manager.GetColor(54), RGB(128, 128, 128));
    ExpectGradient(m.manager.GetGradient(0), RGB(128, 128, 128), RGB(128, 128, 128), 0.5f, "plain gradient 0");
}

TEST(ColorManager, TreeViewBorderComesFromTheThemeWhenThemed)
{
    ManagerOnFake m(&Classic);
    m.fake.appThemed = TRUE;
    m.fake.themeColor = RGB(10, 20, 30);
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetColor(57), RGB(10, 20, 30));
    EXPECT_EQ(m.fake.calls.back(), "close " + std::to_string(m.fake.lastHandle));
    EXPECT_NE(std::find(m.fake.calls.begin(), m.fake.calls.end(),
                        "color " + std::to_string(m.fake.lastHandle) + " 3801"),
              m.fake.calls.end());

    m.fake.appThemed = FALSE;
    m.manager.RefreshColors();
    EXPECT_EQ(m.manager.GetColor(57), RGB(128, 128, 128));
}

TEST(ColorManager, DetectColorSchemeByThemeFileAndColourName)
{
    struct Case {
        const wchar_t* file;
        const wchar_t* colour;
        ColorSchemeKind expected;
    } cases[] = {
        {L"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", xtpColorSchemeBlue},
        {L"luna.msstyles", L"homestead", xtpColorSchemeOlive},
        {L"LUNA.MSSTYLES", L"Metallic", xtpColorSchemeSilver},
        {L"luna.msstyles", L"Blue", xtpColorSchemeNone},
        {L"Royale.msstyles", L"NormalColor", xtpColorSchemeBlue},
        {L"royale.msstyles", L"Metallic", xtpColorSchemeNone},
        {L"C:\\windows\\resources\\themes\\light\\light.msstyles", L"Blue", xtpColorSchemeNone},
    };
    for (const Case& c : cases) {
        FakeUxTheme fake;
        fake.themeFile = c.file;
        fake.colorName = c.colour;
        ThemeEntryTable table = fake.MakeTable();
        EXPECT_EQ(DetectColorScheme(table), c.expected);
        fake.themeActive = FALSE;
        EXPECT_EQ(DetectColorScheme(table), xtpColorSchemeNone);
    }
    ThemeEntryTable none({}, 0);
    EXPECT_EQ(DetectColorScheme(none), xtpColorSchemeNone);
}

TEST(ColorManager, RefreshIfStaleRefreshesEveryTimeBeforeAMainWindowExists)
{
    static int reads = 0;
    CXTPColorManager* manager = GetColorManager();
    manager->SetSystemColorSource([](int index) {
        reads += index == COLOR_BTNFACE;
        return ::GetSysColor(index);
    });
    reads = 0;
    RefreshColorsIfStale();
    RefreshColorsIfStale();
    EXPECT_EQ(reads, 2);
    manager->SetSystemColorSource(nullptr);
}
