#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "imagecodec/DibHeader.h"

namespace imagecodec {

// The 32-bit colour image of one icon image (an RT_ICON resource or an image
// of an icon file): its header counts colour rows and mask rows together.
struct AlphaIconImage {
    DibHeader header;                // height already halved to the colour rows
    std::span<const uint8_t> pixels; // width x rows x 4 bytes, bottom-up

    // None unless the image is a sound 32-bit one whose colour rows are all there.
    static std::optional<AlphaIconImage> Parse(std::span<const uint8_t> image);
    // The bit count an icon image claims, 0 when it has no sound header.
    static uint16_t BitCountOf(std::span<const uint8_t> image);
};

// An .ico file: the first 32-bit image of the width asked for (any width when
// 0). Like the loader it serves, it stops at the first entry that matches:
// when that one is damaged there is no image.
class IconFile {
public:
    static std::optional<AlphaIconImage> FindAlphaImage(std::span<const uint8_t> file, int width);
};

}  // namespace imagecodec
