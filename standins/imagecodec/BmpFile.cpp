#include "imagecodec/BmpFile.h"

#include "imagecodec/ByteSource.h"

namespace imagecodec {

std::optional<BmpFile> BmpFile::Parse(std::span<const uint8_t> file) {
    constexpr size_t fileHeader = 14;
    if (file.size() < fileHeader || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const auto header = DibHeader::Parse(file.subspan(fileHeader));
    if (!header) return std::nullopt;
    const uint64_t offBits = ReadU32(file, 10);
    if (offBits < fileHeader + header->pixelOffset) return std::nullopt;
    if (offBits + header->PixelBytes() > file.size()) return std::nullopt;
    BmpFile bmp;
    bmp.header = *header;
    bmp.headerBytes = file.subspan(fileHeader, header->pixelOffset);
    bmp.pixels = file.subspan(static_cast<size_t>(offBits), static_cast<size_t>(header->PixelBytes()));
    return bmp;
}

}  // namespace imagecodec
