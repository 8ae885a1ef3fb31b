#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace imagecodec {

// An RT_TOOLBAR resource: version, image size and the command ids (0 for a
// separator).
struct ToolBarResource {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> items;

    static std::optional<ToolBarResource> Parse(std::span<const uint8_t> bytes);
};

}  // namespace imagecodec
