#include "CXTPColorManager.h"
#include "CXTPWinThemeWrapper.h"
#include "ThemedRun.h"

#include <uxtheme.h>

#include <gtest/gtest.h>

#include <string>

namespace {
bool Themed()
{
    return CurrentRunStyle() == RunStyle::Light;
}
}

TEST(SystemTheme, VisualStylesAsTheRunSetsThem)
{
    if (CurrentRunStyle() == RunStyle::Unknown)
        GTEST_SKIP() << "ORBALIN_WINE_THEME not set";
    CXTPWinThemeWrapper theme;
    EXPECT_EQ(theme.IsThemeActive(), Themed());
    // Wine's comctl32 reports 5.81 even as the side-by-side copy that the test
    // program's manifest asks for, so there the toolkit never counts visual
    // styles as available.
    const DWORD version = ThemeEntryTable::Process().GetComCtlVersion();
    EXPECT_GE(HIWORD(version), 5);
    EXPECT_EQ(theme.IsThemingAvailable(), Themed() && HIWORD(version) > 5);

    theme.OpenThemeData(nullptr, L"TREEVIEW");
    EXPECT_EQ(theme.IsAppThemed(), Themed());
    wchar_t file[260] = L"", colour[260] = L"", size[260] = L"";
    const HRESULT named = theme.GetCurrentThemeName(file, 260, colour, 260, size, 260);
    if (Themed()) {
        ASSERT_EQ(named, S_OK);
        EXPECT_NE(std::wstring(file).find(L"light.msstyles"), std::wstring::npos);
    } else {
        EXPECT_LT(named, 0);
    }
}

TEST(SystemTheme, ColourManagerDetectsNoSchemeAndReadsTheTreeViewBorder)
{
    if (CurrentRunStyle() == RunStyle::Unknown)
        GTEST_SKIP() << "ORBALIN_WINE_THEME not set";
    CXTPColorManager manager;
    // Wine's light theme is none of the three standard schemes.
    EXPECT_EQ(manager.GetCurrentSystemTheme(), xtpColorSchemeNone);
    EXPECT_EQ(DetectColorScheme(), xtpColorSchemeNone);
    EXPECT_FALSE(manager.IsLowColor());
    EXPECT_EQ(manager.GetColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));

    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (Themed()) {
        // Straight from UxTheme: the theme's tree-view border, not the shadow.
        HTHEME treeView = ::OpenThemeData(nullptr, L"TREEVIEW");
        ASSERT_NE(treeView, nullptr);
        COLORREF border = CLR_INVALID;
        ASSERT_EQ(::GetThemeColor(treeView, 0, 0, 3801, &border), S_OK);
        ::CloseThemeData(treeView);
        EXPECT_NE(border, shadow);
        EXPECT_EQ(manager.GetColor(57), border);
    } else {
        // The prefix of this run has Windows' classic colours.
        EXPECT_EQ(manager.GetColor(COLOR_BTNFACE), RGB(192, 192, 192));
        EXPECT_EQ(manager.GetColor(57), shadow);
    }
}
