#include "Workbook.h"

namespace xls {

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'a' && x <= u'z') x = static_cast<char16_t>(x - 32);
    if (y >= u'a' && y <= u'z') y = static_cast<char16_t>(y - 32);
    if (x != y) return false;
  }
  return true;
}

Sheet* Workbook::FindSheet(std::u16string_view name) {
  for (Sheet& s : sheets)
    if (SameName(s.Name(), name)) return &s;
  return nullptr;
}

const Sheet* Workbook::FindSheet(std::u16string_view name) const {
  return const_cast<Workbook*>(this)->FindSheet(name);
}

}  // namespace xls
