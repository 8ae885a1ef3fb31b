#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "CXTPCommandBarsOptions.h"
#include "CXTPPaintManager.h"

namespace
{
// Little-endian values in exchange order, as the bar layout's archive holds them.
class Stream
{
public:
    Stream& Int(int value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<BYTE>(static_cast<unsigned>(value) >> (8 * i)));
        return *this;
    }
    Stream& Size(int cx, int cy) { return Int(cx).Int(cy); }
    // A set of one command: 16-bit count, id, 1.
    Stream& OneCommand(int id)
    {
        m_bytes.push_back(1);
        m_bytes.push_back(0);
        return Int(id).Int(1);
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

std::vector<BYTE> Serialized(CXTPCommandBarsOptions& options)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        options.Serialize(ar);
        ar.Close();
    }
    const auto length = static_cast<size_t>(file.GetLength());
    std::vector<BYTE> bytes(length);
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(length));
    return bytes;
}

// Loads the options from bytes; answers whether every byte was read.
bool Deserialize(CXTPCommandBarsOptions& options, const std::vector<BYTE>& bytes)
{
    std::vector<BYTE> copy = bytes;
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    options.Serialize(ar);
    BYTE extra = 0;
    return ar.Read(&extra, 1) == 0;
}
} // namespace

class CommandBarsOptionsArchive : public testing::Test
{
protected:
    void SetUp() override { m_saved = *CXTPPaintManager::GetGlobalPaintManager()->GetOptionRecord(); }
    void TearDown() override { *CXTPPaintManager::GetGlobalPaintManager()->GetOptionRecord() = m_saved; }

    CXTPPaintManager::IconOptions* Icons() { return CXTPPaintManager::GetGlobalPaintManager()->GetOptionRecord(); }

private:
    CXTPPaintManager::IconOptions m_saved{};
};

// Every value a layout of the current schema carries, each unlike its default;
// the second place of the two repeated switches is the one that counts.
TEST_F(CommandBarsOptionsArchive, CurrentSchemaCarriesEverythingInItsOrder)
{
    // firstPlace: the two switches after the animation.
    auto layoutWith = [](int firstPlace) {
        return Stream()
            .Int(16)
            .Int(0).Int(0).Int(0).Int(1).Int(1)
            .OneCommand(42)
            .Int(3)
            .Int(firstPlace).Int(firstPlace)
            .Size(20, 21).Size(32, 33)
            .OneCommand(57607)
            .Int(1).Int(0).Int(0)
            .Int(1).Int(1)
            .Int(1).Int(1).Int(0).Int(0)
            .Size(24, 25)
            .Int(4).Int(1)
            .Bytes();
    };
    const std::vector<BYTE> layout = layoutWith(0);
    CXTPCommandBarsOptions options;
    ASSERT_TRUE(Deserialize(options, layout));
    EXPECT_FALSE(options.bAlwaysShowFullMenus);
    EXPECT_FALSE(options.bShowFullAfterDelay);
    EXPECT_FALSE(options.bToolBarScreenTips);
    EXPECT_TRUE(options.bToolBarAccelTips);
    EXPECT_TRUE(options.bLargeIcons);
    BOOL value = FALSE;
    EXPECT_TRUE(options.mapUsedCommands.Lookup(42, value));
    EXPECT_EQ(3, options.nAnimationType);
    EXPECT_TRUE(options.bSyncFloatingBars);
    EXPECT_TRUE(options.bShowExpandButtonAlways);
    EXPECT_EQ(CSize(20, 21), options.szIcons);
    EXPECT_EQ(CSize(32, 33), options.szLargeIcons);
    EXPECT_TRUE(options.mapHiddenCommands.Lookup(57607, value));
    EXPECT_TRUE(Icons()->bIconsWithShadow);
    EXPECT_FALSE(Icons()->bUseDisabledIcons);
    EXPECT_FALSE(Icons()->bUseFadedIcons);
    EXPECT_TRUE(options.bDblClickFloat);
    EXPECT_TRUE(options.bShowTextBelowIcons);
    EXPECT_FALSE(options.bAltDragCustomization);
    EXPECT_FALSE(options.bAutoHideUnusedPopups);
    EXPECT_EQ(CSize(24, 25), options.szPopupIcons);
    EXPECT_EQ(4, options.nKeyboardCuesUse);
    EXPECT_EQ(1, options.GetKeyboardCuesShow());

    // Written back, the layout is the same bytes, the switches in both places.
    EXPECT_EQ(layoutWith(1), Serialized(options));
}

TEST_F(CommandBarsOptionsArchive, OlderSchemasEndEarlierAndKeepTheRest)
{
    // Schema 7: no used commands, no animation, nothing after the icon switches.
    const std::vector<BYTE> schema7 = Stream()
                                          .Int(7)
                                          .Int(1).Int(1).Int(1).Int(0).Int(1)
                                          .Int(0).Int(1)
                                          .Size(0, 0).Size(0, 0)
                                          .OneCommand(9)
                                          .Int(0).Int(1).Int(1)
                                          .Bytes();
    CXTPCommandBarsOptions options;
    options.nAnimationType = 2;
    options.bDblClickFloat = TRUE;
    options.SetKeyboardCuesShow(2);
    ASSERT_TRUE(Deserialize(options, schema7));
    EXPECT_TRUE(options.bLargeIcons);
    EXPECT_FALSE(options.bSyncFloatingBars);
    EXPECT_EQ(1, options.mapHiddenCommands.GetCount());
    EXPECT_EQ(2, options.nAnimationType);
    EXPECT_TRUE(options.bDblClickFloat);
    EXPECT_EQ(2, options.GetKeyboardCuesShow());
}

TEST_F(CommandBarsOptionsArchive, EmptySetsAreWrittenAndRoundTrip)
{
    CXTPCommandBarsOptions defaults;
    // 21 values of 4 or 8 bytes and two empty sets of a 2-byte count each.
    EXPECT_EQ(108u, Serialized(defaults).size());

    CXTPCommandBarsOptions stored;
    stored.mapHiddenCommands[57607] = TRUE;
    stored.mapHiddenCommands[57609] = TRUE;
    stored.szPopupIcons = CSize(20, 20);
    CXTPCommandBarsOptions loaded;
    loaded.mapUsedCommands[1] = TRUE;
    ASSERT_TRUE(Deserialize(loaded, Serialized(stored)));
    EXPECT_TRUE(loaded.mapUsedCommands.IsEmpty());
    EXPECT_EQ(2, loaded.mapHiddenCommands.GetCount());
    EXPECT_EQ(CSize(20, 20), loaded.szPopupIcons);
}
