#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CXTPCommandBarsOptions.h"
#include "CXTPPaintManager.h"
#include "CXTPPropExchangeRegistry.h"
#include "RegistryScratch.h"

namespace
{
constexpr wchar_t kRoot[] = L"Software\\OrbalinOptionsTest";
constexpr wchar_t kSection[] = L"CommandBars-Options";

testsupport::RegistryScratch Scratch(const wchar_t* name)
{
    return testsupport::RegistryScratch(std::wstring(kRoot) + L"\\" + name);
}

std::set<UINT> Ids(const CXTPCommandIdSet& set)
{
    std::set<UINT> ids;
    for (POSITION pos = set.GetStartPosition(); pos != nullptr;) {
        UINT id = 0;
        BOOL value = FALSE;
        set.GetNextAssoc(pos, id, value);
        EXPECT_EQ(TRUE, value);
        ids.insert(id);
    }
    return ids;
}

void Store(CXTPCommandBarsOptions& options, HKEY hKey, BOOL bRegistryMode = TRUE)
{
    CXTPPropExchangeRegistry px(FALSE, hKey, kSection);
    options.DoPropExchange(&px, bRegistryMode);
}

void Load(CXTPCommandBarsOptions& options, HKEY hKey, BOOL bRegistryMode = TRUE)
{
    CXTPPropExchangeRegistry px(TRUE, hKey, kSection);
    options.DoPropExchange(&px, bRegistryMode);
}

// The line reg.exe prints for a value, or empty when it is not there.
std::string RegLine(const std::string& reg, const char* name)
{
    const size_t at = reg.find(std::string("    ") + name + "    ");
    return at == std::string::npos ? std::string() : reg.substr(at, reg.find('\n', at) - at);
}

// A registry exchange that keeps sets as numbered items instead of blocks.
class ItemsRegistryExchange : public CXTPPropExchangeRegistry
{
public:
    using CXTPPropExchangeRegistry::CXTPPropExchangeRegistry;
    BOOL UseBinaryBlocks() const override { return FALSE; }
};

// The serialized form of a set: 16-bit count, then id and 1 per entry.
std::vector<BYTE> SetBlock(WORD count, std::initializer_list<DWORD> ids)
{
    std::vector<BYTE> block{static_cast<BYTE>(count), static_cast<BYTE>(count >> 8)};
    for (DWORD id : ids)
        for (DWORD word : {id, DWORD(1)})
            for (int i = 0; i < 4; ++i)
                block.push_back(static_cast<BYTE>(word >> (8 * i)));
    return block;
}
} // namespace

TEST(CommandBarsOptions, RegistryKeepsThePersonalizedMenuPartEvenAtDefaults)
{
    auto scratch = Scratch(L"Registry");
    CXTPCommandBarsOptions stored;
    stored.bAlwaysShowFullMenus = FALSE;
    stored.bToolBarAccelTips = TRUE;
    stored.nAnimationType = 3;
    stored.mapUsedCommands[32773] = TRUE;
    stored.mapHiddenCommands[57607] = TRUE;
    stored.bLargeIcons = FALSE;   // equal to its default: written all the same
    Store(stored, scratch.Key());

    const std::string reg = testsupport::RegQuery(scratch.Path() + L"\\" + kSection);
    const struct {
        const char* name;
        const char* text;   // type and value as reg.exe prints them
    } expected[] = {
        {"Schema", "REG_DWORD    0x10"},          {"AlwaysShowFullMenus", "REG_DWORD    0x0"},
        {"ShowFullAfterDelay", "REG_DWORD    0x1"}, {"ToolBarScreenTips", "REG_DWORD    0x1"},
        {"ToolBarAccelTips", "REG_DWORD    0x1"},  {"LargeIcons", "REG_DWORD    0x0"},
        {"Animation", "REG_DWORD    0x3"},
        {"UsedCommands", "REG_BINARY    01000580000001000000"},
    };
    for (const auto& e : expected)
        EXPECT_NE(RegLine(reg, e.name).find(e.text), std::string::npos) << e.name << "\n" << reg;
    // The rest of the options travel only with the bar layout.
    for (const char* name : {"HiddenCommands", "SyncFloatingBars", "IconsSize", "KeyboardCuesShow", "UseFadedIcons"})
        EXPECT_EQ(RegLine(reg, name), "") << name;

    CXTPCommandBarsOptions loaded;
    Load(loaded, scratch.Key());
    EXPECT_FALSE(loaded.bAlwaysShowFullMenus);
    EXPECT_TRUE(loaded.bToolBarAccelTips);
    EXPECT_EQ(3, loaded.nAnimationType);
    EXPECT_EQ(std::set<UINT>{32773}, Ids(loaded.mapUsedCommands));
    EXPECT_TRUE(loaded.mapHiddenCommands.IsEmpty());
}

// Stored data as older versions or other hands left it.
TEST(CommandBarsOptions, LoadingFollowsTheStoredSchema)
{
    const std::vector<BYTE> oneUsed = SetBlock(1, {42});
    const struct {
        const char* what;
        int schema;   // -1: no "Schema" value
        std::vector<BYTE> used;
        std::set<UINT> usedAfter;
        int animationAfter;
    } cases[] = {
        {"no schema reads as the current one", -1, oneUsed, {42}, 2},
        {"schema 7 has no used commands but an animation", 7, oneUsed, {7}, 2},
        {"schema 8 has both", 8, oneUsed, {42}, 2},
        {"a count beyond the bytes stored loads empty", 16, SetBlock(3, {42}), {}, 2},
        {"a block too short for its count loads empty", 16, {1}, {}, 2},
        {"an empty block loads empty", 16, {}, {}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto scratch = Scratch(L"Schema");
        const DWORD animation = 2;
        scratch.SetRaw(kSection, L"Animation", REG_DWORD, &animation, 4);
        if (c.schema >= 0)
            scratch.SetRaw(kSection, L"Schema", REG_DWORD, &c.schema, 4);
        scratch.SetRaw(kSection, L"UsedCommands", REG_BINARY, c.used.data(), static_cast<DWORD>(c.used.size()));

        CXTPCommandBarsOptions options;
        options.mapUsedCommands[7] = TRUE;   // what the options held before
        options.bLargeIcons = TRUE;          // not stored: kept as it is
        Load(options, scratch.Key());
        EXPECT_EQ(c.usedAfter, Ids(options.mapUsedCommands));
        EXPECT_EQ(c.animationAfter, options.nAnimationType);
        EXPECT_TRUE(options.bLargeIcons);
    }
}

TEST(CommandBarsOptions, ResettingTheUsedCommandsOutlastsARestart)
{
    auto scratch = Scratch(L"Reset");
    CXTPCommandBarsOptions options;
    options.mapUsedCommands[100] = TRUE;
    options.mapUsedCommands[200] = TRUE;
    Store(options, scratch.Key());
    ASSERT_TRUE(scratch.Has(kSection, L"UsedCommands"));

    options.mapUsedCommands.RemoveAll();   // the Options page's reset
    Store(options, scratch.Key());
    EXPECT_FALSE(scratch.Has(kSection, L"UsedCommands"));

    CXTPCommandBarsOptions restarted;
    Load(restarted, scratch.Key());
    EXPECT_TRUE(restarted.mapUsedCommands.IsEmpty());
}

TEST(CommandBarsOptions, SetsAsNumberedItemsRoundTripAndEmpty)
{
    auto scratch = Scratch(L"Items");
    CXTPCommandBarsOptions stored;
    stored.mapUsedCommands[5] = TRUE;
    stored.mapUsedCommands[70000] = TRUE;
    {
        ItemsRegistryExchange px(FALSE, scratch.Key(), kSection);
        stored.DoPropExchange(&px, TRUE);
    }
    EXPECT_TRUE(scratch.Has(L"CommandBars-Options\\UsedCommands", L"Item1"));

    CXTPCommandBarsOptions loaded;
    loaded.mapUsedCommands[9] = TRUE;
    {
        ItemsRegistryExchange px(TRUE, scratch.Key(), kSection);
        loaded.DoPropExchange(&px, TRUE);
    }
    EXPECT_EQ((std::set<UINT>{5, 70000}), Ids(loaded.mapUsedCommands));

    stored.mapUsedCommands.RemoveAll();
    {
        ItemsRegistryExchange px(FALSE, scratch.Key(), kSection);
        stored.DoPropExchange(&px, TRUE);
    }
    {
        ItemsRegistryExchange px(TRUE, scratch.Key(), kSection);
        loaded.DoPropExchange(&px, TRUE);
    }
    EXPECT_TRUE(loaded.mapUsedCommands.IsEmpty());
}

TEST(CommandBarsOptions, KeyboardCuesFollowTheModeAndTheSystem)
{
    BOOL systemBefore = TRUE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &systemBefore, 0));
    const struct {
        int mode;
        BOOL systemShows;
        BOOL hideMode;
        BOOL visible;
    } cases[] = {
        {0, FALSE, FALSE, TRUE}, {1, TRUE, FALSE, FALSE}, {2, TRUE, FALSE, TRUE}, {2, FALSE, TRUE, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", system shows " << c.systemShows);
        ASSERT_TRUE(SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(c.systemShows)), 0));
        CXTPCommandBarsOptions options;
        options.SetKeyboardCuesShow(c.mode);
        const auto state = options.GetKeyboardCuesState();
        EXPECT_EQ(c.hideMode, state.bHideMode);
        EXPECT_EQ(c.visible, state.bVisible);
    }
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(systemBefore)), 0);

    // A full exchange that finds no "KeyboardCuesShow" keeps the mode it had.
    auto scratch = Scratch(L"Cues");
    CXTPCommandBarsOptions options;
    options.SetKeyboardCuesShow(1);
    Load(options, scratch.Key(), FALSE);
    EXPECT_EQ(1, options.GetKeyboardCuesShow());
}
