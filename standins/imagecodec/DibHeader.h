#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace imagecodec {

// A device-independent bitmap header (40, 52, 56, 108 or 124 bytes) read and
// checked: sizes are positive and bounded, the format is one a DIB section
// takes, and the offsets behind it are worked out here once.
struct DibHeader {
    static constexpr uint32_t kRgb = 0;
    static constexpr uint32_t kBitFields = 3;
    // Larger images are refused as damaged.
    static constexpr int32_t kMaxSide = 16384;

    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0; // as stored: negative for top-down rows
    uint16_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t paletteEntries = 0;
    // Where the pixels start, counted from the header's first byte: its own
    // size, plus three masks behind a 40-byte header with bit fields, plus the
    // colour table.
    size_t pixelOffset = 0;
    size_t rowBytes = 0;

    int32_t Rows() const { return height < 0 ? -height : height; }
    uint64_t PixelBytes() const { return static_cast<uint64_t>(rowBytes) * static_cast<uint64_t>(Rows()); }
    // Bytes a 32-bit image of this size holds, rows packed.
    uint64_t AlphaBytes() const { return static_cast<uint64_t>(width) * static_cast<uint64_t>(Rows()) * 4u; }

    // None when the bytes hold no sound header (the masks and colour table
    // must be within them too).
    static std::optional<DibHeader> Parse(std::span<const uint8_t> bytes);
};

}  // namespace imagecodec
