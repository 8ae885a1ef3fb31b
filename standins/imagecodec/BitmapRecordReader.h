#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "imagecodec/ByteSource.h"
#include "imagecodec/DibHeader.h"

namespace imagecodec {

// A stored bitmap record: count h, h bytes of bitmap header (room for three
// masks behind it), count n, n bytes of 32-bit pixels; a single count 0 stands
// for no bitmap.
struct BitmapRecord {
    static constexpr size_t kHeaderBytes = 52;

    DibHeader header;
    std::vector<uint8_t> headerBytes; // kHeaderBytes, zero-filled behind what was stored
    std::vector<uint8_t> bits;        // header.AlphaBytes()
};

class BitmapRecordReader {
public:
    // Answers true with no record for "no bitmap", true with a record, or
    // false when the bytes run out or the record does not hold together (a
    // header that is not a 32-bit one, a pixel count other than the header's).
    static bool Read(ByteSource& source, std::optional<BitmapRecord>& record);
};

}  // namespace imagecodec
