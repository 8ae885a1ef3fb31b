#include "imagecodec/ToolBarResource.h"

#include "imagecodec/ByteSource.h"

namespace imagecodec {

std::optional<ToolBarResource> ToolBarResource::Parse(std::span<const uint8_t> bytes) {
    constexpr size_t head = 8;
    if (bytes.size() < head) return std::nullopt;
    const size_t count = ReadU16(bytes, 6);
    if (bytes.size() < head + count * 2) return std::nullopt;
    ToolBarResource res;
    res.width = ReadU16(bytes, 2);
    res.height = ReadU16(bytes, 4);
    for (size_t i = 0; i < count; ++i) res.items.push_back(ReadU16(bytes, head + i * 2));
    return res;
}

}  // namespace imagecodec
