#pragma once
// Writes rows appended to the last worksheet of a workbook file laid out as
// this library saves one, touching only what the new rows change: their cell records
// (texts inline, so the shared-string table stays), the sheet's DIMENSIONS,
// the stream's last sectors, the FAT and the stream's size. The cost of a
// write follows the new rows, not the workbook.
//
// Order of the writes: changed sectors go to free or new sectors first, which
// the file as it stands does not use; then the FAT, its index and the header;
// the directory's stream size last. Until the FAT is written the file reads as
// before; the short span between the FAT and the directory is not covered.
//
// The file stays open from the first append on; each append first checks that
// the file's stamp is still the one its last write left.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "WorkbookFile.h"
#include "fileio/PositionedFile.h"

namespace xls {

class WorkbookAppender {
 public:
  // Saves the whole workbook (see WorkbookFile::Save) and keeps its layout.
  WorkbookAppender(const std::filesystem::path& path, const Workbook& book);
  // Takes over a file as WorkbookFile::Load found it; the workbook is the one it read.
  WorkbookAppender(const std::filesystem::path& path, SavedWorkbook saved, const Workbook& book);

  // Writes the rows of the sheet (the workbook's last) from firstRow on. False,
  // with the file untouched, when the file changed since this appender wrote it
  // or a row cannot go in place; the caller then saves the whole workbook.
  // XlsError when a write fails: the appender is of no further use.
  bool Append(const Sheet& sheet, uint32_t firstRow);
  // True while the file's stamp is the one the last write left (or the load found).
  bool Unchanged() const;
  // Lets the file go; the next append opens it again.
  void CloseFile() { file_.reset(); }

 private:
  uint32_t Allocate();
  // XlsError when the file cannot be opened or written.
  void Put(uint64_t offset, const uint8_t* data, size_t size);
  void WriteFile(const std::vector<uint32_t>& dataSectors, size_t firstChanged, const std::vector<size_t>& fatChanged,
                 size_t oldFatSectors, size_t oldIndexSectors, bool startChanged);

  std::filesystem::path path_;
  SavedWorkbook saved_;
  uint16_t columns_ = 0;
  std::vector<uint32_t> free_;  // sectors the file on disk does not use
  // Held open between appends so that committing often pays for its writes, not for
  // opening the file each time; others may still read, write, rename or delete it.
  std::unique_ptr<fileio::PositionedFile> file_;
};

}  // namespace xls
