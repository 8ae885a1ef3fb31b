#include "imagecodec/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace imagecodec {

std::optional<uint64_t> ByteSource::ReadCount() {
    uint8_t b[8];
    if (!ReadExactly(b, 2)) return std::nullopt;
    const uint16_t small = static_cast<uint16_t>(b[0] | (b[1] << 8));
    if (small != 0xFFFF) return small;
    if (!ReadExactly(b, 4)) return std::nullopt;
    const uint32_t middle = ReadU32(b, 0);
    if (middle != 0xFFFFFFFFu) return middle;
    if (!ReadExactly(b, 8)) return std::nullopt;
    return static_cast<uint64_t>(ReadU32(b, 0)) | (static_cast<uint64_t>(ReadU32(b, 4)) << 32);
}

std::optional<std::vector<uint8_t>> ByteSource::ReadBlock(uint64_t size) {
    constexpr uint64_t step = 64 * 1024;
    std::vector<uint8_t> block;
    while (block.size() < size) {
        const size_t now = static_cast<size_t>(std::min(step, size - block.size()));
        const size_t at = block.size();
        block.resize(at + now);
        if (!ReadExactly(block.data() + at, now)) return std::nullopt;
    }
    return block;
}

size_t MemoryByteSource::ReadSome(void* out, size_t size) {
    const size_t now = std::min(size, Left());
    if (now) std::memcpy(out, m_bytes.data() + m_pos, now);
    m_pos += now;
    return now;
}

}  // namespace imagecodec
