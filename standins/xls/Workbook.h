#pragma once
// A workbook as this library holds it: its worksheets and cell values.
#include <string>
#include <vector>

#include "Sheet.h"

namespace xls {

struct Workbook {
  std::vector<Sheet> sheets;
  // Empty when a rewrite keeps everything the file holds; otherwise why a
  // rewrite would lose content (formulas, charts, macros, other streams).
  std::string notRewritable;

  Sheet* FindSheet(std::u16string_view name);
  const Sheet* FindSheet(std::u16string_view name) const;
};

// Sheet names compare without regard to ASCII case, as the driver's table names do.
bool SameName(std::u16string_view a, std::u16string_view b);

}  // namespace xls
