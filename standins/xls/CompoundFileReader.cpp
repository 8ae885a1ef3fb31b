#include "CompoundFileReader.h"

#include <algorithm>

#include "ByteOrder.h"
#include "Workbook.h"
#include "XlsError.h"

namespace xls {
namespace {

constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFreeSector = 0xFFFFFFFF;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

[[noreturn]] void Damaged(const std::string& what) {
  throw XlsError(kStateCannotOpen, "The workbook file is damaged (" + what + ").");
}

}  // namespace

bool CompoundFileReader::HasSignature(const std::vector<uint8_t>& file) {
  return file.size() >= sizeof kSignature && std::equal(kSignature, kSignature + 8, file.begin());
}

CompoundFileReader::CompoundFileReader(const std::vector<uint8_t>& file) : file_(file) {
  if (!HasSignature(file)) throw XlsError(kStateCannotOpen, "The file is not an Excel 97-2003 workbook.");
  if (file.size() < 512) Damaged("the header is cut short");
  const uint8_t* h = file.data();
  const unsigned shift = GetU16(h + 30);
  if (GetU16(h + 28) != 0xFFFE || (shift != 9 && shift != 12) || GetU16(h + 32) != 6)
    Damaged("unknown header layout");
  sectorSize_ = 1u << shift;
  if (file.size() <= sectorSize_) Damaged("no sectors");
  sectorCount_ = static_cast<uint32_t>(std::min<uint64_t>((file.size() - sectorSize_) / sectorSize_, 0xFFFFFFF0u));
  miniCutoff_ = GetU32(h + 56);
  const uint32_t fatCount = GetU32(h + 44);
  if (fatCount == 0 || fatCount > sectorCount_) Damaged("bad allocation table size");

  // Sectors of the allocation table: 109 in the header, the rest in a chain of
  // index sectors whose last entry links to the next one.
  for (unsigned i = 0; i < 109 && fatSectors_.size() < fatCount; ++i) fatSectors_.push_back(GetU32(h + 76 + 4 * i));
  const uint32_t perIndexSector = sectorSize_ / 4 - 1;
  uint32_t next = GetU32(h + 68);
  for (uint32_t hops = 0; fatSectors_.size() < fatCount; ++hops) {
    if (next >= sectorCount_ || hops > sectorCount_) Damaged("broken allocation table index");
    indexSectors_.push_back(next);
    const uint8_t* s = Sector(next);
    for (uint32_t i = 0; i < perIndexSector && fatSectors_.size() < fatCount; ++i) fatSectors_.push_back(GetU32(s + 4 * i));
    next = GetU32(s + 4 * perIndexSector);
  }
  fat_.reserve(static_cast<size_t>(fatCount) * (sectorSize_ / 4));
  for (uint32_t id : fatSectors_) {
    if (id >= sectorCount_) Damaged("allocation table outside the file");
    const uint8_t* s = Sector(id);
    for (uint32_t i = 0; i < sectorSize_ / 4; ++i) fat_.push_back(GetU32(s + 4 * i));
  }

  const std::vector<uint8_t> directory = ReadChain(GetU32(h + 48), UINT64_MAX);
  for (size_t off = 0; off + 128 <= directory.size(); off += 128) {
    const uint8_t* d = directory.data() + off;
    Entry e;
    const unsigned nameBytes = std::min<unsigned>(GetU16(d + 64), 64);
    for (unsigned i = 0; i + 1 < nameBytes / 2; ++i) {
      const char16_t c = static_cast<char16_t>(GetU16(d + 2 * i));
      if (c == 0) break;
      e.name.push_back(c);
    }
    e.type = d[66];
    e.start = GetU32(d + 116);
    e.size = GetU32(d + 120);
    if (shift == 12) e.size |= static_cast<uint64_t>(GetU32(d + 124)) << 32;
    entries_.push_back(std::move(e));
  }
  if (entries_.empty() || entries_[0].type != 5) Damaged("no root entry");

  const uint32_t miniFatStart = GetU32(h + 60);
  if (miniFatStart != kEndOfChain && miniFatStart != kFreeSector) {
    const std::vector<uint8_t> table = ReadChain(miniFatStart, UINT64_MAX);
    miniFat_.reserve(table.size() / 4);
    for (size_t i = 0; i + 4 <= table.size(); i += 4) miniFat_.push_back(GetU32(table.data() + i));
    if (entries_[0].size > 0) miniStream_ = ReadChain(entries_[0].start, entries_[0].size);
  }
}

const uint8_t* CompoundFileReader::Sector(uint32_t id) const {
  const uint64_t off = static_cast<uint64_t>(id + 1) * sectorSize_;
  if (off + sectorSize_ > file_.size()) Damaged("the file is cut short");
  return file_.data() + off;
}

std::vector<uint32_t> CompoundFileReader::Chain(uint32_t start, const std::vector<uint32_t>& table, uint64_t limit) const {
  std::vector<uint32_t> chain;
  std::vector<bool> seen(table.size());
  for (uint32_t id = start; id != kEndOfChain && chain.size() < limit; id = table[id]) {
    if (id >= table.size()) Damaged("a sector chain leaves the allocation table");
    if (seen[id]) Damaged("a sector chain loops");
    seen[id] = true;
    chain.push_back(id);
  }
  return chain;
}

std::vector<uint8_t> CompoundFileReader::ReadChain(uint32_t start, uint64_t size) const {
  const uint64_t limit = size == UINT64_MAX ? UINT64_MAX : (size + sectorSize_ - 1) / sectorSize_;
  const std::vector<uint32_t> chain = Chain(start, fat_, limit);
  if (size != UINT64_MAX && chain.size() < limit) Damaged("a stream is shorter than its recorded size");
  std::vector<uint8_t> out;
  out.reserve(chain.size() * static_cast<size_t>(sectorSize_));
  for (uint32_t id : chain) {
    const uint8_t* s = Sector(id);
    out.insert(out.end(), s, s + sectorSize_);
  }
  if (size != UINT64_MAX) out.resize(size);
  return out;
}

std::optional<std::vector<uint8_t>> CompoundFileReader::ReadStream(std::u16string_view name) const {
  for (size_t i = 1; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (e.type != 2 || !SameName(e.name, name)) continue;
    if (e.size >= miniCutoff_) return ReadChain(e.start, e.size);
    const uint64_t count = (e.size + kMiniSectorSize - 1) / kMiniSectorSize;
    const std::vector<uint32_t> chain = Chain(e.start, miniFat_, count);
    if (chain.size() < count) Damaged("a small stream is shorter than its recorded size");
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(e.size));
    for (uint32_t id : chain) {
      const uint64_t off = static_cast<uint64_t>(id) * kMiniSectorSize;
      if (off + kMiniSectorSize > miniStream_.size()) Damaged("a small stream lies outside its container");
      out.insert(out.end(), miniStream_.begin() + off, miniStream_.begin() + off + kMiniSectorSize);
    }
    out.resize(static_cast<size_t>(e.size));
    return out;
  }
  return std::nullopt;
}

std::optional<CompoundLayout> CompoundFileReader::LayoutOf(std::u16string_view name) const {
  const uint8_t* h = file_.data();
  if (sectorSize_ != 512 || entries_.size() < 2 || file_.size() != (uint64_t{sectorCount_} + 1) * sectorSize_ ||
      fat_.size() < sectorCount_ || GetU32(h + 72) != indexSectors_.size())
    return std::nullopt;
  const Entry& e = entries_[1];
  if (e.type != 2 || !SameName(e.name, name) || e.size < miniCutoff_ || e.size == 0) return std::nullopt;
  CompoundLayout layout;
  layout.streamSectors = Chain(e.start, fat_, UINT64_MAX);
  if (layout.streamSectors.size() != (e.size + sectorSize_ - 1) / sectorSize_) return std::nullopt;
  layout.fat = fat_;
  layout.fatSectors = fatSectors_;
  layout.indexSectors = indexSectors_;
  layout.directorySector = GetU32(h + 48);
  layout.fileSectors = sectorCount_;
  return layout;
}

}  // namespace xls
