#include <gtest/gtest.h>

#include "DibBytes.h"
#include "imagecodec/BitmapRecordReader.h"
#include "imagecodec/LetterBlock.h"

using namespace imagecodec;

static std::vector<uint8_t> Record(uint32_t headerCount, const HeaderFields& f, uint32_t bitsCount, size_t bitsPresent) {
    std::vector<uint8_t> b;
    PutU16(b, static_cast<uint16_t>(headerCount));
    auto header = DibHeaderBytes(f);
    header.resize(headerCount, 0);
    b.insert(b.end(), header.begin(), header.end());
    if (bitsCount >= 0xFFFF) {
        PutU16(b, 0xFFFF);
        PutU32(b, bitsCount);
    } else {
        PutU16(b, static_cast<uint16_t>(bitsCount));
    }
    b.resize(b.size() + bitsPresent, 0xAB);
    return b;
}

TEST(BitmapRecordReader, ReadsNoBitmapAndSoundRecords) {
    const std::vector<uint8_t> none{0, 0};
    MemoryByteSource noneSource(none);
    std::optional<BitmapRecord> record;
    EXPECT_TRUE(BitmapRecordReader::Read(noneSource, record));
    EXPECT_FALSE(record);

    const auto bytes = Record(52, {40, 3, -2, 32}, 24, 24);
    MemoryByteSource source(bytes);
    ASSERT_TRUE(BitmapRecordReader::Read(source, record));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->bits.size(), 24u);
    EXPECT_EQ(record->headerBytes.size(), 52u);
    EXPECT_EQ(source.Left(), 0u);
}

TEST(BitmapRecordReader, RefusesRecordsThatDoNotHoldTogether) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"pixels cut short", Record(52, {40, 3, 2, 32}, 24, 23)},
        {"pixel count other than the header's", Record(52, {40, 3, 2, 32}, 20, 20)},
        {"absurd pixel count", Record(52, {40, 3, 2, 32}, 0x7FFFFFFF, 16)},
        {"header larger than its room", Record(60, {40, 3, 2, 32}, 24, 24)},
        {"header too small", Record(30, {40, 3, 2, 32}, 24, 24)},
        {"palette bitmap", Record(52, {40, 3, 2, 8}, 24, 24)},
        {"zero width", Record(52, {40, 0, 2, 32}, 0, 0)},
    };
    for (const auto& c : cases) {
        MemoryByteSource source(c.bytes);
        std::optional<BitmapRecord> record;
        EXPECT_FALSE(BitmapRecordReader::Read(source, record)) << c.what;
        EXPECT_FALSE(record) << c.what;
    }
}

TEST(ByteSource, CountsInAllThreeFormsAndBlocksNoLargerThanTheBytes) {
    std::vector<uint8_t> b;
    PutU16(b, 5);
    PutU16(b, 0xFFFF);
    PutU32(b, 70000);
    PutU16(b, 0xFFFF);
    PutU32(b, 0xFFFFFFFF);
    PutU32(b, 1);
    PutU32(b, 2);
    MemoryByteSource source(b);
    EXPECT_EQ(source.ReadCount(), 5u);
    EXPECT_EQ(source.ReadCount(), 70000u);
    EXPECT_EQ(source.ReadCount(), 0x200000001ull);
    EXPECT_FALSE(source.ReadCount());

    const std::vector<uint8_t> few{1, 2, 3};
    MemoryByteSource small(few);
    EXPECT_FALSE(small.ReadBlock(0xFFFFFFFFFFull));
}

TEST(LetterBlock, EncodesLowNibbleFirstAndDecodesBack) {
    const uint8_t bytes[] = {0x00, 0x1F, 0xA5};
    EXPECT_EQ(LetterBlock::Encode(bytes, 3), u"AAPBFK");
    EXPECT_EQ(LetterBlock::Decode(u"AAPBFK"), (std::vector<uint8_t>{0x00, 0x1F, 0xA5}));
    EXPECT_EQ(LetterBlock::Decode(u""), std::vector<uint8_t>{});
    EXPECT_FALSE(LetterBlock::Decode(u"AAP"));
}
