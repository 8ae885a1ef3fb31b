#include "PstCrc.h"

#include <array>

namespace pst {

namespace {

// Eight tables let the loop take eight bytes a step.
using Tables = std::array<std::array<uint32_t, 256>, 8>;

Tables makeTables()
{
    Tables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (0xEDB88320u ^ (c >> 1)) : (c >> 1);
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

}

uint32_t PstCrc::compute(const uint8_t* data, size_t size, uint32_t crc)
{
    static const Tables t = makeTables();
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        const uint32_t low = crc ^ (data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) | (uint32_t(data[i + 3]) << 24));
        const uint32_t high = data[i + 4] | (data[i + 5] << 8) | (data[i + 6] << 16) | (uint32_t(data[i + 7]) << 24);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24]
            ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; i < size; ++i)
        crc = t[0][(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

uint16_t PstCrc::signature(uint64_t offset, uint64_t bid)
{
    const uint32_t folded = static_cast<uint32_t>(offset ^ bid);
    return static_cast<uint16_t>((folded >> 16) ^ (folded & 0xFFFF));
}

}
