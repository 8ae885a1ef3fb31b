#include "WorkbookAppender.h"

#include <algorithm>

#include "BiffWriter.h"
#include "ByteOrder.h"
#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kEntriesPerSector = kSectorSize / 4;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kFatMark = 0xFFFFFFFD;
constexpr uint32_t kIndexMark = 0xFFFFFFFC;
constexpr uint32_t kHeaderIndexSlots = 109;
constexpr uint32_t kIndexSlotsPerSector = kEntriesPerSector - 1;
constexpr size_t kDimensionsRecord = 18;

uint64_t SectorOffset(uint32_t sector) { return uint64_t{sector + 1} * kSectorSize; }

std::vector<uint8_t> Words(const uint32_t* words, size_t count) {
  std::vector<uint8_t> out;
  out.reserve(count * 4);
  for (size_t i = 0; i < count; ++i) PutU32(out, words[i]);
  return out;
}

}  // namespace

WorkbookAppender::WorkbookAppender(const std::filesystem::path& path, const Workbook& book) : path_(path) {
  WorkbookFile::Save(path_, book, &saved_);
  columns_ = book.sheets.empty() ? 0 : book.sheets.back().ColumnCount();
}

WorkbookAppender::WorkbookAppender(const std::filesystem::path& path, SavedWorkbook saved, const Workbook& book)
    : path_(path), saved_(std::move(saved)), columns_(book.sheets.empty() ? 0 : book.sheets.back().ColumnCount()) {
  const CompoundLayout& file = saved_.file;
  for (uint32_t s = 0; s < file.fileSectors; ++s)
    if (file.fat[s] == kFree) free_.push_back(s);
}

bool WorkbookAppender::Unchanged() const {
  const std::optional<FileStamp> stamp = FileStamp::Of(path_);
  return stamp && *stamp == saved_.stamp && stamp->size == SectorOffset(saved_.file.fileSectors);
}

uint32_t WorkbookAppender::Allocate() {
  CompoundLayout& file = saved_.file;
  uint32_t sector;
  if (!free_.empty()) {
    sector = free_.back();
    free_.pop_back();
  } else {
    sector = file.fileSectors++;
  }
  // The FAT grows with the file; its own sectors are marked in it.
  while (file.fat.size() < file.fileSectors) {
    const uint32_t fatSector = file.fileSectors++;
    file.fat.resize(file.fat.size() + kEntriesPerSector, kFree);
    file.fatSectors.push_back(fatSector);
    file.fat[fatSector] = kFatMark;
    if (file.fatSectors.size() > kHeaderIndexSlots &&
        file.indexSectors.size() * kIndexSlotsPerSector < file.fatSectors.size() - kHeaderIndexSlots)
      file.indexSectors.push_back(file.fileSectors++);
  }
  for (uint32_t s : file.indexSectors) file.fat[s] = kIndexMark;
  return sector;
}

void WorkbookAppender::Put(uint64_t offset, const uint8_t* data, size_t size) {
  if (!file_) {
    file_ = std::make_unique<fileio::PositionedFile>();
    if (!file_->open(path_, fileio::PositionedFile::Mode::ReadWrite)) file_.reset();
  }
  if (!file_ || !file_->write(offset, data, size))
    throw XlsError(kStateGeneral, "The workbook cannot be written: " + textcodec::Utf8::FromPath(path_));
}

bool WorkbookAppender::Append(const Sheet& sheet, uint32_t firstRow) {
  std::vector<uint8_t>& stream = saved_.stream;
  SheetLayout& layout = saved_.lastSheet;
  CompoundLayout& file = saved_.file;
  if (file.streamSectors.empty() || !Unchanged()) return false;
  std::vector<uint8_t> cells;
  if (!BiffWriter::WriteCells(cells, sheet, firstRow)) return false;
  if (cells.empty()) return true;

  // The sheet's closing records move behind the new cells.
  const std::vector<uint8_t> closing(stream.begin() + static_cast<std::ptrdiff_t>(layout.cellsEnd),
                                     stream.begin() + static_cast<std::ptrdiff_t>(layout.end));
  const size_t oldSize = stream.size();
  stream.resize(layout.cellsEnd);
  stream.insert(stream.end(), cells.begin(), cells.end());
  stream.insert(stream.end(), closing.begin(), closing.end());
  layout.cellsEnd += cells.size();
  layout.end = stream.size();
  if (stream.size() < oldSize) stream.resize(oldSize, 0);
  for (uint32_t row = firstRow; row < sheet.RowCount(); ++row)
    if (!sheet.RowAt(row).empty()) columns_ = std::max<uint16_t>(columns_, sheet.RowAt(row).back().column + 1);
  BiffWriter::SetDimensions(stream.data() + layout.dimensions, sheet.RowCount(), columns_);

  // Copy on write from the sector where the cells begin.
  const size_t firstChanged = (layout.cellsEnd - cells.size()) / kSectorSize;
  const size_t sectors = (stream.size() + kSectorSize - 1) / kSectorSize;
  const size_t oldFatSectors = file.fatSectors.size();
  const size_t oldIndexSectors = file.indexSectors.size();
  std::vector<uint32_t> fresh;
  for (size_t i = firstChanged; i < sectors; ++i) fresh.push_back(Allocate());
  std::vector<size_t> fatChanged;
  auto setFat = [&](uint32_t entry, uint32_t value) {
    file.fat[entry] = value;
    fatChanged.push_back(entry / kEntriesPerSector);
  };
  if (firstChanged > 0) setFat(file.streamSectors[firstChanged - 1], fresh.front());
  for (size_t i = 0; i < fresh.size(); ++i) setFat(fresh[i], i + 1 < fresh.size() ? fresh[i + 1] : kEndOfChain);
  std::vector<uint32_t> released(file.streamSectors.begin() + static_cast<std::ptrdiff_t>(firstChanged),
                                 file.streamSectors.end());
  for (uint32_t s : released) setFat(s, kFree);
  file.streamSectors.resize(firstChanged);
  file.streamSectors.insert(file.streamSectors.end(), fresh.begin(), fresh.end());
  for (size_t i = oldFatSectors; i < file.fatSectors.size(); ++i)
    fatChanged.push_back(file.fatSectors[i] / kEntriesPerSector);
  for (size_t i = oldIndexSectors; i < file.indexSectors.size(); ++i)
    fatChanged.push_back(file.indexSectors[i] / kEntriesPerSector);

  WriteFile(fresh, firstChanged, fatChanged, oldFatSectors, oldIndexSectors, firstChanged == 0);
  free_.insert(free_.end(), released.begin(), released.end());
  saved_.stamp = FileStamp::Of(path_).value_or(FileStamp{});
  return true;
}

void WorkbookAppender::WriteFile(const std::vector<uint32_t>& dataSectors, size_t firstChanged,
                                 const std::vector<size_t>& fatChanged, size_t oldFatSectors, size_t oldIndexSectors,
                                 bool startChanged) {
  const CompoundLayout& file = saved_.file;
  const std::vector<uint8_t>& stream = saved_.stream;
  auto put = [this](uint64_t offset, const uint8_t* data, size_t size) { Put(offset, data, size); };
  auto putSector = [&](uint32_t sector, const std::vector<uint8_t>& data) { put(SectorOffset(sector), data.data(), data.size()); };
  auto fatSector = [&](size_t i) {
    putSector(file.fatSectors[i], Words(file.fat.data() + i * kEntriesPerSector, kEntriesPerSector));
  };
  auto indexSector = [&](size_t i) {
    std::vector<uint32_t> slots(kEntriesPerSector, kFree);
    for (uint32_t k = 0; k < kIndexSlotsPerSector; ++k) {
      const size_t n = kHeaderIndexSlots + i * kIndexSlotsPerSector + k;
      if (n < file.fatSectors.size()) slots[k] = file.fatSectors[n];
    }
    slots.back() = i + 1 < file.indexSectors.size() ? file.indexSectors[i + 1] : kEndOfChain;
    putSector(file.indexSectors[i], Words(slots.data(), slots.size()));
  };

  // 1. Sectors the file on disk does not use: the stream's new tail, new FAT and
  // index sectors. Neighbouring sectors go in one write.
  for (size_t i = 0; i < dataSectors.size();) {
    size_t run = 1;
    while (i + run < dataSectors.size() && dataSectors[i + run] == dataSectors[i] + run) ++run;
    std::vector<uint8_t> data(run * kSectorSize, 0);
    const size_t from = (firstChanged + i) * kSectorSize;
    std::copy(stream.begin() + static_cast<std::ptrdiff_t>(from),
              stream.begin() + static_cast<std::ptrdiff_t>(std::min(stream.size(), from + data.size())), data.begin());
    putSector(dataSectors[i], data);
    i += run;
  }
  for (size_t i = oldFatSectors; i < file.fatSectors.size(); ++i) fatSector(i);
  for (size_t i = oldIndexSectors; i < file.indexSectors.size(); ++i) indexSector(i);
  // 2. The FAT as it now is, its index and the header's count of both.
  std::vector<size_t> changed(fatChanged);
  std::sort(changed.begin(), changed.end());
  changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
  for (size_t i : changed)
    if (i < oldFatSectors) fatSector(i);
  if (file.fatSectors.size() != oldFatSectors) {
    if (oldIndexSectors > 0) indexSector(oldIndexSectors - 1);
    std::vector<uint8_t> header;
    PutU32(header, static_cast<uint32_t>(file.fatSectors.size()));
    put(44, header.data(), header.size());
    header.clear();
    PutU32(header, file.indexSectors.empty() ? kEndOfChain : file.indexSectors.front());
    PutU32(header, static_cast<uint32_t>(file.indexSectors.size()));
    for (uint32_t i = 0; i < kHeaderIndexSlots; ++i) PutU32(header, i < file.fatSectors.size() ? file.fatSectors[i] : kFree);
    put(68, header.data(), header.size());
  }
  // 3. The stream's first sector and size, then the row count in place.
  std::vector<uint8_t> entry;
  PutU32(entry, file.streamSectors.front());
  PutU32(entry, static_cast<uint32_t>(stream.size()));
  put(SectorOffset(file.directorySector) + 128 + (startChanged ? 116 : 120), entry.data() + (startChanged ? 0 : 4),
      startChanged ? 8 : 4);
  // The record may straddle two sectors; a part in a new sector is written already.
  const size_t dimensions = saved_.lastSheet.dimensions;
  for (size_t at = dimensions; at < dimensions + kDimensionsRecord;) {
    const size_t sector = at / kSectorSize;
    const size_t n = std::min(dimensions + kDimensionsRecord, (sector + 1) * kSectorSize) - at;
    if (sector < firstChanged) put(SectorOffset(file.streamSectors[sector]) + at % kSectorSize, stream.data() + at, n);
    at += n;
  }
}

}  // namespace xls
