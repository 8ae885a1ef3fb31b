#include "PstProperty.h"

#include "PstBytes.h"

namespace pst {

PropertyValue PropertyValue::integer(uint16_t type, uint64_t value, int size)
{
    PropertyValue v{type, std::vector<uint8_t>(size)};
    PstBytes::put(v.data.data(), value, size);
    return v;
}

uint64_t PropertyValue::asInteger() const
{
    return PstBytes::get(data.data(), static_cast<int>(std::min<size_t>(data.size(), 8)));
}

int fixedSize(uint16_t type)
{
    switch (type) {
    case kPtShort: return 2;
    case kPtLong: case kPtFloat: case kPtError: return 4;
    case kPtDouble: case kPtCurrency: case kPtAppTime: case kPtLongLong: case kPtSysTime: return 8;
    case kPtBoolean: return 1;
    default: return 0;
    }
}

}
