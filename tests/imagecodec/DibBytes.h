#pragma once
// Builds headers and files byte by byte, so that each test states the one
// field it damages.
#include <cstdint>
#include <vector>

inline void PutU16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void SetU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct HeaderFields {
    uint32_t size = 40;
    int32_t width = 2;
    int32_t height = 2;
    uint16_t bitCount = 32;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
};

inline std::vector<uint8_t> DibHeaderBytes(const HeaderFields& f) {
    std::vector<uint8_t> b;
    PutU32(b, f.size);
    PutU32(b, static_cast<uint32_t>(f.width));
    PutU32(b, static_cast<uint32_t>(f.height));
    PutU16(b, 1);
    PutU16(b, f.bitCount);
    PutU32(b, f.compression);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, f.colorsUsed);
    PutU32(b, 0);
    b.resize(f.size, 0);
    return b;
}
