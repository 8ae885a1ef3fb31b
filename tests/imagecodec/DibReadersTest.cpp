#include <gtest/gtest.h>

#include "DibBytes.h"
#include "imagecodec/BmpFile.h"
#include "imagecodec/IconFile.h"
#include "imagecodec/IconGroupDirectory.h"
#include "imagecodec/ToolBarResource.h"

using namespace imagecodec;

TEST(DibHeader, RefusesDamagedHeaders) {
    struct Case {
        const char* what;
        HeaderFields f;
    } cases[] = {
        {"zero width", {40, 0, 2}},
        {"negative width", {40, -2, 2}},
        {"zero height", {40, 2, 0}},
        {"absurd width", {40, 100000, 2}},
        {"absurd height", {40, 2, -100000}},
        {"odd header size", {44, 2, 2}},
        {"bit count 7", {40, 2, 2, 7}},
        {"run-length compression", {40, 2, 2, 8, 1}},
        {"more colours than the depth has", {40, 2, 2, 8, 0, 257}},
    };
    for (const auto& c : cases) EXPECT_FALSE(DibHeader::Parse(DibHeaderBytes(c.f))) << c.what;
}

TEST(DibHeader, PixelsStartBehindTheHeaderItsMasksAndItsColours) {
    struct Case {
        HeaderFields f;
        size_t extra; // bytes present behind the header
        size_t offset;
    } cases[] = {
        {{40, 2, 2, 32, 0}, 0, 40},
        {{40, 2, 2, 32, 3}, 12, 52},
        {{108, 2, 2, 32, 3}, 0, 108},
        {{124, 2, -2, 32, 3}, 0, 124},
        {{40, 2, 2, 8, 0, 3}, 12, 52},
        {{40, 2, 2, 1, 0}, 8, 48},
    };
    for (const auto& c : cases) {
        auto bytes = DibHeaderBytes(c.f);
        bytes.resize(bytes.size() + c.extra, 0);
        const auto h = DibHeader::Parse(bytes);
        ASSERT_TRUE(h) << c.f.size << "/" << c.f.bitCount;
        EXPECT_EQ(h->pixelOffset, c.offset);
        // The masks or colours must be there.
        if (c.extra) {
            bytes.pop_back();
            EXPECT_FALSE(DibHeader::Parse(bytes));
        }
    }
}

static std::vector<uint8_t> BmpFileBytes(const HeaderFields& f, uint32_t offBits, size_t pixelBytes) {
    std::vector<uint8_t> file{'B', 'M'};
    PutU32(file, 0);
    PutU32(file, 0);
    PutU32(file, offBits);
    const auto header = DibHeaderBytes(f);
    file.insert(file.end(), header.begin(), header.end());
    file.resize(offBits, 0);
    for (size_t i = 0; i < pixelBytes; ++i) file.push_back(static_cast<uint8_t>(i));
    return file;
}

TEST(BmpFile, ReadsPixelsWhereTheFileHeaderPointsWithinTheFile) {
    const auto file = BmpFileBytes({124, 2, 2, 32, 3}, 14 + 124, 16);
    const auto bmp = BmpFile::Parse(file);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->pixels.size(), 16u);
    EXPECT_EQ(bmp->pixels[1], 1);
    EXPECT_EQ(bmp->headerBytes.size(), 124u);

    auto shortFile = file;
    shortFile.pop_back();
    EXPECT_FALSE(BmpFile::Parse(shortFile));
    // Pixels may not overlap the header.
    auto inside = file;
    SetU32(inside, 10, 14 + 100);
    EXPECT_FALSE(BmpFile::Parse(inside));
}

static std::vector<uint8_t> IconFileBytes(uint8_t width, uint16_t bitCount, int rows, size_t cutPixels = 0) {
    auto image = DibHeaderBytes({40, width, rows * 2, bitCount});
    const size_t pixels = size_t(width) * rows * 4 - cutPixels;
    for (size_t i = 0; i < pixels; ++i) image.push_back(static_cast<uint8_t>(i * 7));
    std::vector<uint8_t> file;
    PutU16(file, 0);
    PutU16(file, 1);
    PutU16(file, 2);
    // A 24-bit entry first, then the 32-bit one: both point at the image.
    for (uint16_t bits : {uint16_t(24), bitCount}) {
        file.push_back(width);
        file.push_back(static_cast<uint8_t>(rows));
        file.push_back(0);
        file.push_back(0);
        PutU16(file, 1);
        PutU16(file, bits);
        PutU32(file, static_cast<uint32_t>(image.size()));
        PutU32(file, 6 + 2 * 16);
    }
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

TEST(IconFile, FindsTheFirst32BitImageOfTheWidth) {
    const auto file = IconFileBytes(4, 32, 4);
    for (int width : {0, 4}) {
        const auto image = IconFile::FindAlphaImage(file, width);
        ASSERT_TRUE(image) << width;
        EXPECT_EQ(image->header.height, 4);
        EXPECT_EQ(image->pixels.size(), 64u);
        EXPECT_EQ(image->pixels[1], 7);
    }
    EXPECT_FALSE(IconFile::FindAlphaImage(file, 16));
    EXPECT_FALSE(IconFile::FindAlphaImage(IconFileBytes(4, 32, 4, 1), 4)) << "pixels cut short";
    auto pastEnd = file;
    SetU32(pastEnd, 6 + 16 + 12, 1000);
    EXPECT_FALSE(IconFile::FindAlphaImage(pastEnd, 4)) << "image offset past the end";
    auto countMore = file;
    countMore[4] = 200;
    EXPECT_FALSE(IconFile::FindAlphaImage(countMore, 4)) << "directory longer than the file";
}

TEST(ResourceDirectories, RefuseCountsBeyondTheirBytes) {
    std::vector<uint8_t> group;
    PutU16(group, 0);
    PutU16(group, 1);
    PutU16(group, 1);
    for (uint8_t b : {16, 16, 0, 0}) group.push_back(b);
    PutU16(group, 1);
    PutU16(group, 32);
    PutU32(group, 1000);
    PutU16(group, 7);
    const auto dir = IconGroupDirectory::Parse(group);
    ASSERT_TRUE(dir);
    ASSERT_EQ(dir->entries.size(), 1u);
    EXPECT_EQ(dir->entries[0].iconId, 7);
    EXPECT_EQ(dir->entries[0].bitCount, 32);
    group[4] = 2;
    EXPECT_FALSE(IconGroupDirectory::Parse(group));

    std::vector<uint8_t> toolbar;
    for (uint16_t w : {1, 16, 15, 3, 10, 0, 11}) PutU16(toolbar, w);
    const auto res = ToolBarResource::Parse(toolbar);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->items, (std::vector<uint16_t>{10, 0, 11}));
    EXPECT_EQ(res->width, 16);
    toolbar[6] = 4;
    EXPECT_FALSE(ToolBarResource::Parse(toolbar));
}
