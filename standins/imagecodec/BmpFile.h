#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "imagecodec/DibHeader.h"

namespace imagecodec {

// A .bmp file: the 14-byte file header, the bitmap header and the pixels the
// file header points at, all within the file.
struct BmpFile {
    DibHeader header;
    std::span<const uint8_t> headerBytes; // header, masks and colour table
    std::span<const uint8_t> pixels;       // header.PixelBytes() bytes

    static std::optional<BmpFile> Parse(std::span<const uint8_t> file);
};

}  // namespace imagecodec
