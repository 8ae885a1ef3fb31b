#include "imagecodec/DibHeader.h"

#include "imagecodec/ByteSource.h"

namespace imagecodec {

std::optional<DibHeader> DibHeader::Parse(std::span<const uint8_t> bytes) {
    if (bytes.size() < 40) return std::nullopt;
    DibHeader h;
    h.headerSize = ReadU32(bytes, 0);
    if (h.headerSize != 40 && h.headerSize != 52 && h.headerSize != 56 && h.headerSize != 108 &&
        h.headerSize != 124)
        return std::nullopt;
    if (bytes.size() < h.headerSize) return std::nullopt;
    h.width = static_cast<int32_t>(ReadU32(bytes, 4));
    h.height = static_cast<int32_t>(ReadU32(bytes, 8));
    const uint16_t planes = ReadU16(bytes, 12);
    h.bitCount = ReadU16(bytes, 14);
    h.compression = ReadU32(bytes, 16);
    const uint32_t colorsUsed = ReadU32(bytes, 32);
    if (h.width <= 0 || h.width > kMaxSide || h.height == 0 || h.height < -kMaxSide || h.height > kMaxSide ||
        planes != 1)
        return std::nullopt;
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return std::nullopt;
    }
    const bool bitFields = h.compression == kBitFields;
    if (h.compression != kRgb && !(bitFields && (h.bitCount == 16 || h.bitCount == 32))) return std::nullopt;
    if (h.bitCount <= 8) {
        const uint32_t full = 1u << h.bitCount;
        if (colorsUsed > full) return std::nullopt;
        h.paletteEntries = colorsUsed ? colorsUsed : full;
    }
    h.pixelOffset = h.headerSize + (bitFields && h.headerSize == 40 ? 12 : 0) + h.paletteEntries * 4u;
    if (bytes.size() < h.pixelOffset) return std::nullopt;
    h.rowBytes = ((static_cast<size_t>(h.width) * h.bitCount + 31) / 32) * 4;
    return h;
}

}  // namespace imagecodec
