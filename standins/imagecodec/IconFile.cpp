#include "imagecodec/IconFile.h"

#include "imagecodec/ByteSource.h"

namespace imagecodec {

std::optional<AlphaIconImage> AlphaIconImage::Parse(std::span<const uint8_t> image) {
    auto header = DibHeader::Parse(image);
    if (!header || header->bitCount != 32 || header->compression != DibHeader::kRgb || header->height < 2)
        return std::nullopt;
    header->height /= 2;
    const uint64_t bytes = header->AlphaBytes();
    if (header->pixelOffset + bytes > image.size()) return std::nullopt;
    return AlphaIconImage{*header, image.subspan(header->pixelOffset, static_cast<size_t>(bytes))};
}

uint16_t AlphaIconImage::BitCountOf(std::span<const uint8_t> image) {
    const auto header = DibHeader::Parse(image);
    return header ? header->bitCount : 0;
}

std::optional<AlphaIconImage> IconFile::FindAlphaImage(std::span<const uint8_t> file, int width) {
    constexpr size_t head = 6, entrySize = 16;
    if (file.size() < head || ReadU16(file, 0) != 0 || ReadU16(file, 2) != 1) return std::nullopt;
    const size_t count = ReadU16(file, 4);
    if (file.size() < head + count * entrySize) return std::nullopt;
    for (size_t i = 0; i < count; ++i) {
        const auto entry = file.subspan(head + i * entrySize, entrySize);
        if (ReadU16(entry, 6) != 32 || (width != 0 && entry[0] != width)) continue;
        const uint64_t size = ReadU32(entry, 8), offset = ReadU32(entry, 12);
        if (offset + size > file.size()) return std::nullopt;
        return AlphaIconImage::Parse(file.subspan(static_cast<size_t>(offset), static_cast<size_t>(size)));
    }
    return std::nullopt;
}

}  // namespace imagecodec
