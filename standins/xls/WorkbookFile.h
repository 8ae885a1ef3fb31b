#pragma once
// Loads and saves a workbook file. Loading checks the whole file before it
// answers; saving writes a temporary file beside the target and then puts it
// in the target's place, so a failed save leaves the old file as it was.
#include <filesystem>

#include "BiffWriter.h"
#include "CompoundFileWriter.h"
#include "Workbook.h"

namespace xls {

// What a save wrote, for writing appended rows in place later.
struct SavedWorkbook {
  std::vector<uint8_t> stream;
  SheetLayout lastSheet;
  CompoundLayout file;
};

class WorkbookFile {
 public:
  static Workbook Load(const std::filesystem::path& path);
  static void Save(const std::filesystem::path& path, const Workbook& book, SavedWorkbook* saved = nullptr);
};

}  // namespace xls
