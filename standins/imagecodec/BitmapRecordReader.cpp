#include "imagecodec/BitmapRecordReader.h"

namespace imagecodec {

bool BitmapRecordReader::Read(ByteSource& source, std::optional<BitmapRecord>& record) {
    record.reset();
    const auto headerSize = source.ReadCount();
    if (!headerSize) return false;
    if (*headerSize == 0) return true;
    if (*headerSize < 40 || *headerSize > BitmapRecord::kHeaderBytes) return false;
    BitmapRecord r;
    r.headerBytes.assign(BitmapRecord::kHeaderBytes, 0);
    if (!source.ReadExactly(r.headerBytes.data(), static_cast<size_t>(*headerSize))) return false;
    const auto header = DibHeader::Parse(std::span<const uint8_t>(r.headerBytes.data(), static_cast<size_t>(*headerSize)));
    if (!header || header->bitCount != 32) return false;
    r.header = *header;
    const auto bitsSize = source.ReadCount();
    if (!bitsSize || *bitsSize != header->AlphaBytes()) return false;
    auto bits = source.ReadBlock(*bitsSize);
    if (!bits) return false;
    r.bits = std::move(*bits);
    record = std::move(r);
    return true;
}

}  // namespace imagecodec
