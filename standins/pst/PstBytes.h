#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

#include "PstError.h"

namespace pst {

// Little-endian reads and writes with bounds checks: a read past the end is a damaged file.
class PstBytes {
public:
    static uint64_t get(const uint8_t* p, int size)
    {
        uint64_t v = 0;
        for (int i = size - 1; i >= 0; --i)
            v = (v << 8) | p[i];
        return v;
    }
    static uint64_t get(const std::vector<uint8_t>& data, size_t offset, int size)
    {
        if (offset > data.size() || data.size() - offset < static_cast<size_t>(size))
            throw PstError("The PST file is damaged: a structure runs past its block.");
        return get(data.data() + offset, size);
    }
    static void put(uint8_t* p, uint64_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
    static void put(std::vector<uint8_t>& data, size_t offset, uint64_t value, int size)
    {
        if (data.size() < offset + size)
            data.resize(offset + size);
        put(data.data() + offset, value, size);
    }
    static void append(std::vector<uint8_t>& data, uint64_t value, int size)
    {
        put(data, data.size(), value, size);
    }
};

}
