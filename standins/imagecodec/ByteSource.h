#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace imagecodec {

// Bytes read one after the other, from memory or a stream. Counts and block
// lengths found in the bytes are never trusted: blocks are read in steps, so
// nothing larger than what is really there is ever allocated.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to size bytes; answers how many were there.
    virtual size_t ReadSome(void* out, size_t size) = 0;

    bool ReadExactly(void* out, size_t size) { return ReadSome(out, size) == size; }
    // A count as streamed: 16 bits, or 0xFFFF and 32 bits, or then 0xFFFFFFFF
    // and 64 bits. None when the bytes run out.
    std::optional<uint64_t> ReadCount();
    // Exactly size bytes, or none when fewer are left.
    std::optional<std::vector<uint8_t>> ReadBlock(uint64_t size);
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    size_t ReadSome(void* out, size_t size) override;
    size_t Left() const { return m_bytes.size() - m_pos; }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};

// Little-endian reads from a span; the caller checks the span's length first.
inline uint16_t ReadU16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
inline uint32_t ReadU32(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

}  // namespace imagecodec
