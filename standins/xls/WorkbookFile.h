#pragma once
// Loads and saves a workbook file. Loading checks the whole file before it
// answers; saving writes a temporary file beside the target and then puts it
// in the target's place, so a failed save leaves the old file as it was.
#include <filesystem>

#include "Workbook.h"

namespace xls {

class WorkbookFile {
 public:
  static Workbook Load(const std::filesystem::path& path);
  static void Save(const std::filesystem::path& path, const Workbook& book);
};

}  // namespace xls
