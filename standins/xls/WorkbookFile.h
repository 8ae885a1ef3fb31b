#pragma once
// Loads and saves a workbook file. Loading checks the whole file before it
// answers; saving writes a temporary file beside the target and then puts it
// in the target's place, so a failed save leaves the old file as it was.
#include <filesystem>
#include <optional>

#include "CompoundLayout.h"
#include "FileStamp.h"
#include "SheetLayout.h"
#include "Workbook.h"

namespace xls {

// What a save wrote, or a load found, for writing appended rows in place later.
struct SavedWorkbook {
  std::vector<uint8_t> stream;
  SheetLayout lastSheet;
  CompoundLayout file;
  FileStamp stamp;  // the file's as it was written or before it was read
};

class WorkbookFile {
 public:
  // Also gives what appending in place needs when the file is laid out as
  // Save writes one, so that a new writer need not save the whole file first.
  static Workbook Load(const std::filesystem::path& path, std::optional<SavedWorkbook>* appendable = nullptr);
  static void Save(const std::filesystem::path& path, const Workbook& book, SavedWorkbook* saved = nullptr);
};

}  // namespace xls
