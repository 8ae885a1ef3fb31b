#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace imagecodec {

// The directory of an RT_GROUP_ICON resource: one entry per image size.
struct IconGroupDirectory {
    struct Entry {
        int width = 0;  // the width byte (0 stands for 256)
        int height = 0;
        uint16_t bitCount = 0;
        uint16_t iconId = 0; // the RT_ICON resource of the image
    };
    std::vector<Entry> entries;

    // None when the entries the directory counts are not all there.
    static std::optional<IconGroupDirectory> Parse(std::span<const uint8_t> bytes);
};

}  // namespace imagecodec
