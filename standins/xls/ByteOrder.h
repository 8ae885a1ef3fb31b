#pragma once
// Little-endian field access for the binary formats; callers check bounds.
#include <cstdint>
#include <cstring>
#include <vector>

namespace xls {

inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline double GetF64(const uint8_t* p) {
  uint64_t bits = GetU32(p) | (static_cast<uint64_t>(GetU32(p + 4)) << 32);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

inline void PutU8(std::vector<uint8_t>& out, unsigned v) { out.push_back(static_cast<uint8_t>(v)); }
inline void PutU16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}
inline void PutF64(std::vector<uint8_t>& out, double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof d);
  PutU32(out, static_cast<uint32_t>(bits));
  PutU32(out, static_cast<uint32_t>(bits >> 32));
}
inline void SetU16(uint8_t* p, unsigned v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void SetU32(uint8_t* p, uint32_t v) {
  SetU16(p, v & 0xFFFF);
  SetU16(p + 2, v >> 16);
}

}  // namespace xls
