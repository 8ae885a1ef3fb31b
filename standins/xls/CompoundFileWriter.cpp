#include "CompoundFileWriter.h"

#include <algorithm>

#include "ByteOrder.h"

namespace xls {
namespace {

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint32_t kMiniCutoff = 4096;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kFatMark = 0xFFFFFFFD;
constexpr uint32_t kIndexMark = 0xFFFFFFFC;
constexpr uint32_t kHeaderIndexSlots = 109;
constexpr uint32_t kIndexSlotsPerSector = kSectorSize / 4 - 1;

uint32_t CeilDiv(uint64_t a, uint64_t b) { return static_cast<uint32_t>((a + b - 1) / b); }

void PutEntry(std::vector<uint8_t>& out, std::u16string_view name, uint8_t type, uint32_t child, uint32_t start,
              uint32_t size) {
  const size_t base = out.size();
  out.resize(base + 128, 0);
  uint8_t* e = out.data() + base;
  const size_t chars = std::min<size_t>(name.size(), 31);
  for (size_t i = 0; i < chars; ++i) SetU16(e + 2 * i, name[i]);
  SetU16(e + 64, type ? static_cast<unsigned>((chars + 1) * 2) : 0);
  e[66] = type;
  e[67] = type ? 1 : 0;  // black: every node of this one-level tree
  SetU32(e + 68, kFree);
  SetU32(e + 72, kFree);
  SetU32(e + 76, child);
  SetU32(e + 116, type ? start : 0);
  SetU32(e + 120, size);
}

void Pad(std::ostream& out, uint64_t written) {
  static const char zeros[kSectorSize] = {};
  if (const uint64_t rest = written % kSectorSize) out.write(zeros, static_cast<std::streamsize>(kSectorSize - rest));
}

}  // namespace

CompoundLayout CompoundFileWriter::Write(std::ostream& out, std::u16string_view streamName, const std::vector<uint8_t>& stream) {
  const bool small = stream.size() < kMiniCutoff;
  const uint32_t miniSectors = small ? CeilDiv(stream.size(), kMiniSectorSize) : 0;
  const uint32_t dataSectors = small ? CeilDiv(uint64_t{miniSectors} * kMiniSectorSize, kSectorSize)
                                     : CeilDiv(stream.size(), kSectorSize);
  const uint32_t miniFatSectors = CeilDiv(uint64_t{miniSectors} * 4, kSectorSize);
  const uint32_t dirSectors = 1;
  const uint32_t fixed = dataSectors + miniFatSectors + dirSectors;
  uint32_t fatSectors = 1, indexSectors = 0;
  for (;;) {
    indexSectors = fatSectors > kHeaderIndexSlots ? CeilDiv(fatSectors - kHeaderIndexSlots, kIndexSlotsPerSector) : 0;
    if (uint64_t{fatSectors} * (kSectorSize / 4) >= uint64_t{fixed} + fatSectors + indexSectors) break;
    ++fatSectors;
  }
  const uint32_t miniFatStart = dataSectors;
  const uint32_t dirStart = miniFatStart + miniFatSectors;
  const uint32_t fatStart = dirStart + dirSectors;
  const uint32_t indexStart = fatStart + fatSectors;

  std::vector<uint32_t> fat(size_t{fatSectors} * (kSectorSize / 4), kFree);
  auto chain = [&fat](uint32_t first, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) fat[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
  };
  chain(0, dataSectors);
  chain(miniFatStart, miniFatSectors);
  chain(dirStart, dirSectors);
  for (uint32_t i = 0; i < fatSectors; ++i) fat[fatStart + i] = kFatMark;
  for (uint32_t i = 0; i < indexSectors; ++i) fat[indexStart + i] = kIndexMark;

  std::vector<uint8_t> header;
  header.reserve(kSectorSize);
  for (uint8_t b : {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1}) header.push_back(b);
  header.resize(24, 0);
  PutU16(header, 0x3E);
  PutU16(header, 3);
  PutU16(header, 0xFFFE);
  PutU16(header, 9);
  PutU16(header, 6);
  header.resize(44, 0);
  PutU32(header, fatSectors);
  PutU32(header, dirStart);
  PutU32(header, 0);
  PutU32(header, kMiniCutoff);
  PutU32(header, miniFatSectors ? miniFatStart : kEndOfChain);
  PutU32(header, miniFatSectors);
  PutU32(header, indexSectors ? indexStart : kEndOfChain);
  PutU32(header, indexSectors);
  for (uint32_t i = 0; i < kHeaderIndexSlots; ++i) PutU32(header, i < fatSectors ? fatStart + i : kFree);
  out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));

  out.write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
  Pad(out, stream.size());

  std::vector<uint8_t> tail;
  if (miniSectors) {
    std::vector<uint32_t> miniFat(size_t{miniFatSectors} * (kSectorSize / 4), kFree);
    for (uint32_t i = 0; i < miniSectors; ++i) miniFat[i] = i + 1 < miniSectors ? i + 1 : kEndOfChain;
    for (uint32_t v : miniFat) PutU32(tail, v);
  }
  const uint32_t size = static_cast<uint32_t>(stream.size());
  const uint32_t containerStart = small && dataSectors ? 0 : kEndOfChain;
  PutEntry(tail, u"Root Entry", 5, 1, containerStart, miniSectors * kMiniSectorSize);
  PutEntry(tail, streamName, 2, kFree, size ? 0 : kEndOfChain, size);
  PutEntry(tail, u"", 0, kFree, 0, 0);
  PutEntry(tail, u"", 0, kFree, 0, 0);
  for (uint32_t v : fat) PutU32(tail, v);
  for (uint32_t i = 0; i < indexSectors; ++i) {
    for (uint32_t k = 0; k < kIndexSlotsPerSector; ++k) {
      const uint32_t n = kHeaderIndexSlots + i * kIndexSlotsPerSector + k;
      PutU32(tail, n < fatSectors ? fatStart + n : kFree);
    }
    PutU32(tail, i + 1 < indexSectors ? indexStart + i + 1 : kEndOfChain);
  }
  out.write(reinterpret_cast<const char*>(tail.data()), static_cast<std::streamsize>(tail.size()));

  CompoundLayout layout;
  layout.fat = std::move(fat);
  for (uint32_t i = 0; i < fatSectors; ++i) layout.fatSectors.push_back(fatStart + i);
  if (!small)
    for (uint32_t i = 0; i < dataSectors; ++i) layout.streamSectors.push_back(i);
  layout.directorySector = dirStart;
  for (uint32_t i = 0; i < indexSectors; ++i) layout.indexSectors.push_back(indexStart + i);
  layout.fileSectors = indexStart + indexSectors;
  return layout;
}

}  // namespace xls
