#pragma once
#include <cstddef>
#include <cstdint>

namespace pst {

// The checksum and signatures used on every page, block and header of the file.
class PstCrc {
public:
    // CRC-32 (reflected 0xEDB88320 polynomial) without the pre- and post-inversion.
    static uint32_t compute(const uint8_t* data, size_t size, uint32_t crc = 0);
    // The 16-bit signature of a block or B-tree page: its offset folded with its id.
    static uint16_t signature(uint64_t offset, uint64_t bid);
};

}
