#include "CXTPWinThemeWrapper.h"
#include "FakeUxTheme.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

TEST(ThemeWrapper, WithoutUxThemeEveryOperationFails)
{
    ThemeEntryTable table({}, 0x60000);
    CXTPWinThemeWrapper theme(table);
    theme.OpenThemeData(nullptr, L"BUTTON");
    EXPECT_EQ(theme.GetThemeHandle(), nullptr);
    EXPECT_FALSE(theme.IsAppThemed());
    EXPECT_FALSE(theme.IsThemeActive());
    EXPECT_FALSE(theme.IsThemingAvailable());
    RECT r{0, 0, 10, 10};
    COLORREF colour = 0x123456;
    wchar_t file[32] = L"", name[32] = L"", size[32] = L"";
    EXPECT_EQ(theme.DrawThemeBackground(nullptr, 1, 1, &r, nullptr), E_FAIL);
    EXPECT_EQ(theme.GetThemeColor(0, 0, 3801, &colour), E_FAIL);
    EXPECT_EQ(colour, 0x123456u);
    EXPECT_EQ(theme.GetCurrentThemeName(file, 32, name, 32, size, 32), E_FAIL);
    EXPECT_EQ(theme.CloseThemeData(), S_OK);
}

TEST(ThemeWrapper, ThemingAvailableNeedsActiveThemeAndCommonControlsSix)
{
    struct Case {
        BOOL active;
        DWORD version;
        BOOL available;
    } cases[] = {
        {TRUE, 0x60000, TRUE},    // 6.0
        {TRUE, 0x6000A, TRUE},    // 6.10
        {TRUE, 0x50052, FALSE},   // 5.82
        {TRUE, 0, FALSE},         // unknown
        {FALSE, 0x60000, FALSE},  // switched off by the user
    };
    for (const Case& c : cases) {
        FakeUxTheme fake;
        fake.themeActive = c.active;
        ThemeEntryTable table = fake.MakeTable(c.version);
        CXTPWinThemeWrapper theme(table);
        EXPECT_EQ(theme.IsThemeActive(), c.active) << std::hex << c.version;
        EXPECT_EQ(theme.IsThemingAvailable(), c.available) << std::hex << c.version;
    }
}

TEST(ThemeWrapper, NeverOpenedWrapperIsNotThemedInAThemedApplication)
{
    FakeUxTheme fake;
    ThemeEntryTable table = fake.MakeTable();
    CXTPWinThemeWrapper theme(table);
    EXPECT_FALSE(theme.IsAppThemed());
    EXPECT_EQ(fake.lookups["IsAppThemed"], 0);
    theme.OpenThemeData(nullptr, L"TAB");
    EXPECT_TRUE(theme.IsAppThemed());
    fake.appThemed = FALSE;
    EXPECT_FALSE(theme.IsAppThemed());
}

TEST(ThemeWrapper, ReopeningClosesFirstAndDestructionClosesOnce)
{
    FakeUxTheme fake;
    ThemeEntryTable table = fake.MakeTable();
    {
        CXTPWinThemeWrapper theme(table);
        theme.OpenThemeData(nullptr, L"BUTTON");
        theme.OpenThemeData(nullptr, L"TAB");
        RECT r{0, 0, 4, 4};
        EXPECT_EQ(theme.DrawThemeBackground(nullptr, 1, 1, &r, nullptr), S_OK);
    }
    EXPECT_EQ(fake.calls, (Calls{"open BUTTON -> 1", "close 1", "open TAB -> 2", "draw 2", "close 2"}));

    fake.calls.clear();
    {
        CXTPWinThemeWrapper theme(table);
        theme.OpenThemeData(nullptr, L"TOOLBAR");
        theme.CloseThemeData();
        EXPECT_EQ(theme.GetThemeHandle(), nullptr);
    }
    EXPECT_EQ(fake.calls, (Calls{"open TOOLBAR -> 3", "close 3"}));
}

TEST(ThemeWrapper, FoundEntriesAreLookedUpOnceMissingOnesEveryTime)
{
    FakeUxTheme fake;
    fake.missingEntries = {"DrawThemeBackground"};
    ThemeEntryTable table = fake.MakeTable();
    CXTPWinThemeWrapper first(table), second(table);
    RECT r{0, 0, 4, 4};
    COLORREF colour = 0;
    for (CXTPWinThemeWrapper* theme : {&first, &second}) {
        theme->OpenThemeData(nullptr, L"TAB");
        EXPECT_EQ(theme->DrawThemeBackground(nullptr, 1, 1, &r, nullptr), E_FAIL);
        EXPECT_EQ(theme->GetThemeColor(0, 0, 3801, &colour), S_OK);
    }
    EXPECT_EQ(fake.lookups["OpenThemeData"], 1);
    EXPECT_EQ(fake.lookups["GetThemeColor"], 1);
    EXPECT_EQ(fake.lookups["DrawThemeBackground"], 2);
}

TEST(ThemeWrapper, RaisingEntriesGiveTheFailureValues)
{
    FakeUxTheme fake;
    fake.raisingEntries = {"OpenThemeData", "DrawThemeBackground", "GetThemeColor", "IsThemeActive",
                           "GetCurrentThemeName"};
    ThemeEntryTable table = fake.MakeTable();
    CXTPWinThemeWrapper theme(table);
    theme.OpenThemeData(nullptr, L"TAB");
    EXPECT_EQ(theme.GetThemeHandle(), nullptr);
    RECT r{0, 0, 4, 4};
    COLORREF colour = 0;
    wchar_t file[32], name[32], size[32];
    EXPECT_EQ(theme.DrawThemeBackground(nullptr, 1, 1, &r, nullptr), E_FAIL);
    EXPECT_EQ(theme.GetThemeColor(0, 0, 3801, &colour), E_FAIL);
    EXPECT_EQ(theme.GetCurrentThemeName(file, 32, name, 32, size, 32), E_FAIL);
    EXPECT_FALSE(theme.IsThemeActive());
    EXPECT_FALSE(theme.IsThemingAvailable());

    // A lookup that raises counts as a missing entry.
    ThemeEntryTable raisingLookup([](const char*) -> FARPROC { throw std::runtime_error("lookup"); }, 0x60000);
    CXTPWinThemeWrapper other(raisingLookup);
    EXPECT_FALSE(other.IsThemeActive());
    other.OpenThemeData(nullptr, L"TAB");
    EXPECT_EQ(other.GetThemeHandle(), nullptr);
}

TEST(ThemeWrapper, CommonControlsVersionOfAModule)
{
    EXPECT_EQ(ThemeEntryTable::GetComCtlVersion(::GetModuleHandleW(L"kernel32.dll")), 0u);  // no DllGetVersion
    HMODULE comCtl = ::LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comCtl, nullptr);
    EXPECT_GE(HIWORD(ThemeEntryTable::GetComCtlVersion(comCtl)), 5);
    ::FreeLibrary(comCtl);
}
