#pragma once
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pst {

// Property types as stored in the file.
enum PropertyType : uint16_t {
    kPtShort = 0x0002, kPtLong = 0x0003, kPtFloat = 0x0004, kPtDouble = 0x0005, kPtCurrency = 0x0006,
    kPtAppTime = 0x0007, kPtError = 0x000A, kPtBoolean = 0x000B, kPtObject = 0x000D, kPtLongLong = 0x0014,
    kPtString8 = 0x001E, kPtUnicode = 0x001F, kPtSysTime = 0x0040, kPtClsid = 0x0048, kPtBinary = 0x0102,
};

// One property value: its type and its bytes as the file stores them (little-endian numbers,
// UTF-16LE or 8-bit text without terminator).
struct PropertyValue {
    uint16_t type = 0;
    std::vector<uint8_t> data;

    static PropertyValue integer(uint16_t type, uint64_t value, int size);
    static PropertyValue boolean(bool value) { return integer(kPtBoolean, value ? 1 : 0, 1); }
    static PropertyValue binary(std::vector<uint8_t> bytes) { return {kPtBinary, std::move(bytes)}; }
    uint64_t asInteger() const;
    bool operator==(const PropertyValue&) const = default;
};

// Properties by their 16-bit identifier.
using PropertyMap = std::map<uint16_t, PropertyValue>;

// Bytes a fixed-size value takes (in a table row); 0 for a variable-size value.
int fixedSize(uint16_t type);

}
