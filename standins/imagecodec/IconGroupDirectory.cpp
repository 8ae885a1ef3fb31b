#include "imagecodec/IconGroupDirectory.h"

#include "imagecodec/ByteSource.h"

namespace imagecodec {

std::optional<IconGroupDirectory> IconGroupDirectory::Parse(std::span<const uint8_t> bytes) {
    constexpr size_t head = 6, entrySize = 14;
    if (bytes.size() < head) return std::nullopt;
    const size_t count = ReadU16(bytes, 4);
    if (bytes.size() < head + count * entrySize) return std::nullopt;
    IconGroupDirectory dir;
    for (size_t i = 0; i < count; ++i) {
        const auto e = bytes.subspan(head + i * entrySize, entrySize);
        dir.entries.push_back({e[0], e[1], ReadU16(e, 6), ReadU16(e, 12)});
    }
    return dir;
}

}  // namespace imagecodec
