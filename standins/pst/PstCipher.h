#pragma once
#include <cstdint>
#include <vector>

namespace pst {

// The byte substitution of files written with "compressible" encoding: data blocks
// are stored through a fixed permutation of byte values.
class PstCipher {
public:
    static void encode(std::vector<uint8_t>& data);
    static void decode(std::vector<uint8_t>& data);
};

}
