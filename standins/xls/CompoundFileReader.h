#pragma once
// Reads the streams of a compound file (the container of Office 97-2003
// documents) held in memory. Every structure is checked against the file size,
// so a damaged or hostile file ends in an XlsError, never a crash or a loop.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CompoundLayout.h"

namespace xls {

class CompoundFileReader {
 public:
  struct Entry {
    std::u16string name;
    uint8_t type = 0;  // 1 storage, 2 stream, 5 root
    uint32_t start = 0;
    uint64_t size = 0;
  };

  explicit CompoundFileReader(const std::vector<uint8_t>& file);

  static bool HasSignature(const std::vector<uint8_t>& file);
  const std::vector<Entry>& Entries() const { return entries_; }
  // The named stream (ASCII case ignored), or nothing when there is none.
  std::optional<std::vector<uint8_t>> ReadStream(std::u16string_view name) const;
  // Where the named stream and the file's tables lie, when the file is laid
  // out as CompoundFileWriter writes it (512-byte sectors, the stream the
  // first entry under the root, in whole sectors, nothing after the last
  // sector); nothing otherwise.
  std::optional<CompoundLayout> LayoutOf(std::u16string_view name) const;

 private:
  std::vector<uint32_t> Chain(uint32_t start, const std::vector<uint32_t>& table, uint64_t limit) const;
  std::vector<uint8_t> ReadChain(uint32_t start, uint64_t size) const;
  const uint8_t* Sector(uint32_t id) const;

  const std::vector<uint8_t>& file_;
  uint32_t sectorSize_ = 512;
  uint32_t sectorCount_ = 0;
  uint32_t miniCutoff_ = 4096;
  std::vector<uint32_t> fat_;
  std::vector<uint32_t> fatSectors_;
  std::vector<uint32_t> indexSectors_;
  std::vector<uint32_t> miniFat_;
  std::vector<uint8_t> miniStream_;
  std::vector<Entry> entries_;
};

}  // namespace xls
