#include "BiffWriter.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "BiffRecords.h"
#include "ByteOrder.h"
#include "textcodec/Utf16.h"

namespace xls {
namespace {

constexpr uint16_t kCellXf = 15;  // the first cell format after the 15 style formats
constexpr size_t kMinimumStream = 4096;

class RecordOut {
 public:
  explicit RecordOut(std::vector<uint8_t>& out) : out_(out) {}
  // Starts a record; its length is filled in by End.
  void Begin(uint16_t type) {
    start_ = out_.size();
    PutU16(out_, type);
    PutU16(out_, 0);
  }
  void End() { SetU16(out_.data() + start_ + 2, static_cast<unsigned>(out_.size() - start_ - 4)); }
  size_t Room() const { return biff::kMaxRecordData - (out_.size() - start_ - 4); }
  size_t OffsetInRecord() const { return out_.size() - start_; }
  std::vector<uint8_t>& Data() { return out_; }

 private:
  std::vector<uint8_t>& out_;
  size_t start_ = 0;
};

bool NeedsWideChars(std::u16string_view s) {
  return std::any_of(s.begin(), s.end(), [](char16_t c) { return c > 0xFF; });
}

void PutChars(std::vector<uint8_t>& out, std::u16string_view s, bool wide) {
  const size_t start = out.size();
  out.resize(start + s.size() * (wide ? 2 : 1));
  uint8_t* p = out.data() + start;
  for (char16_t c : s) {
    *p++ = static_cast<uint8_t>(c);
    if (wide) *p++ = static_cast<uint8_t>(c >> 8);
  }
}

void PutShortString(std::vector<uint8_t>& out, std::u16string_view s) {
  s = s.substr(0, 255);
  const bool wide = NeedsWideChars(s);
  PutU8(out, static_cast<unsigned>(s.size()));
  PutU8(out, wide ? 1 : 0);
  PutChars(out, s, wide);
}

void PutBof(RecordOut& r, uint16_t kind) {
  r.Begin(biff::kBof);
  auto& o = r.Data();
  PutU16(o, biff::kBiff8);
  PutU16(o, kind);
  PutU16(o, 0x0DBB);  // build and year of the format's reference program
  PutU16(o, 0x07CC);
  PutU32(o, 0);
  PutU32(o, 0x06);
  r.End();
}

void PutSimple(RecordOut& r, uint16_t type, std::initializer_list<uint16_t> words) {
  r.Begin(type);
  for (uint16_t w : words) PutU16(r.Data(), w);
  r.End();
}

// The table of unique cell texts, split into CONTINUE records. A string's
// header never ends a record; its characters may, and the rest then goes on
// after a fresh option byte. A split never falls inside a character.
class SharedStrings {
 public:
  explicit SharedStrings(const Workbook& book) {
    for (const Sheet& sheet : book.sheets)
      for (uint32_t r = 0; r < sheet.RowCount(); ++r)
        for (const Cell& cell : sheet.RowAt(r))
          if (cell.type == Cell::Type::Text) {
            const auto [it, added] = index_.try_emplace(cell.text, static_cast<uint32_t>(order_.size()));
            if (added) order_.push_back(cell.text);
            cellIndexes_.push_back(it->second);
          }
  }

  // The string index of the next text cell, in the order the constructor met them.
  uint32_t NextCellIndex() { return cellIndexes_[nextCell_++]; }

  void Put(RecordOut& r) {
    const size_t bucket = std::max<size_t>(8, (order_.size() + 127) / 128);
    std::vector<std::pair<uint32_t, uint16_t>> buckets;
    r.Begin(biff::kSst);
    auto& o = r.Data();
    PutU32(o, static_cast<uint32_t>(cellIndexes_.size()));
    PutU32(o, static_cast<uint32_t>(order_.size()));
    for (size_t i = 0; i < order_.size(); ++i) {
      const std::u16string_view s = order_[i];
      const bool wide = NeedsWideChars(s);
      const size_t unit = wide ? 2 : 1;
      // A character of two UTF-16 units stays in one record, the first one too.
      const size_t first = s.empty() ? 0 : unit * (textcodec::Utf16::CharacterBoundary(s, 1) == 0 ? 2 : 1);
      if (r.Room() < 3 + first) NextRecord(r);
      if (i % bucket == 0)
        buckets.emplace_back(static_cast<uint32_t>(o.size()), static_cast<uint16_t>(r.OffsetInRecord()));
      PutU16(o, static_cast<unsigned>(s.size()));
      PutU8(o, wide ? 1 : 0);
      for (size_t done = 0;;) {
        const size_t n = textcodec::Utf16::CharacterBoundary(s, done + std::min(s.size() - done, r.Room() / unit)) - done;
        PutChars(o, s.substr(done, n), wide);
        done += n;
        if (done == s.size()) break;
        NextRecord(r);
        PutU8(o, wide ? 1 : 0);
      }
    }
    r.End();

    r.Begin(biff::kExtSst);
    PutU16(o, static_cast<unsigned>(bucket));
    for (const auto& [position, offset] : buckets) {
      PutU32(o, position);
      PutU16(o, offset);
      PutU16(o, 0);
    }
    r.End();
  }

 private:
  static void NextRecord(RecordOut& r) {
    r.End();
    r.Begin(biff::kContinue);
  }

  std::unordered_map<std::u16string_view, uint32_t> index_;
  std::vector<std::u16string_view> order_;
  std::vector<uint32_t> cellIndexes_;
  size_t nextCell_ = 0;
};

void PutGlobalsHead(RecordOut& r) {
  auto& o = r.Data();
  PutBof(r, biff::kGlobalsSubstream);
  PutSimple(r, biff::kCodePage, {1200});
  PutSimple(r, biff::kWindow1, {0, 0, 0x25BC, 0x1572, 0x0038, 0, 0, 1, 0x0258});
  // Five fonts: the fourth index is never used by the format, so five are needed.
  for (int i = 0; i < 5; ++i) {
    r.Begin(biff::kFont);
    PutU16(o, 200);
    PutU16(o, 0);
    PutU16(o, 0x7FFF);
    PutU16(o, 400);
    PutU16(o, 0);
    PutU32(o, 0);
    PutShortString(o, u"Arial");
    r.End();
  }
  for (int i = 0; i < 16; ++i) {
    const bool style = i < 15;
    r.Begin(biff::kXf);
    PutU16(o, 0);
    PutU16(o, 0);
    PutU16(o, style ? 0xFFF5 : 0x0001);
    PutU16(o, 0x0020);
    PutU16(o, style ? 0xF400 : 0x0000);
    PutU32(o, 0);
    PutU32(o, 0);
    PutU16(o, 0x20C0);
    r.End();
  }
  PutSimple(r, biff::kStyle, {0x8000, 0xFF00});
}

// A cell's record; texts go to the shared-string table when one is given, inline otherwise.
void PutCell(RecordOut& r, uint32_t row, const Cell& cell, SharedStrings* strings) {
  auto& o = r.Data();
  switch (cell.type) {
    case Cell::Type::Text:
      r.Begin(strings ? biff::kLabelSst : biff::kLabel);
      PutU16(o, row);
      PutU16(o, cell.column);
      PutU16(o, kCellXf);
      if (strings) {
        PutU32(o, strings->NextCellIndex());
      } else {
        const bool wide = NeedsWideChars(cell.text);
        PutU16(o, static_cast<unsigned>(cell.text.size()));
        PutU8(o, wide ? 1 : 0);
        PutChars(o, cell.text, wide);
      }
      break;
    case Cell::Type::Number:
      r.Begin(biff::kNumber);
      PutU16(o, row);
      PutU16(o, cell.column);
      PutU16(o, kCellXf);
      PutF64(o, cell.number);
      break;
    case Cell::Type::Boolean:
    case Cell::Type::Error:
      r.Begin(biff::kBoolErr);
      PutU16(o, row);
      PutU16(o, cell.column);
      PutU16(o, kCellXf);
      PutU8(o, static_cast<unsigned>(cell.number));
      PutU8(o, cell.type == Cell::Type::Error ? 1 : 0);
      break;
  }
  r.End();
}

void PutWorksheet(RecordOut& r, const Sheet& sheet, bool selected, SharedStrings& strings, SheetLayout* layout) {
  auto& o = r.Data();
  PutBof(r, biff::kWorksheetSubstream);
  if (layout) layout->dimensions = o.size();
  r.Begin(biff::kDimensions);
  PutU32(o, 0);
  PutU32(o, sheet.RowCount());
  PutU16(o, 0);
  PutU16(o, sheet.ColumnCount());
  PutU16(o, 0);
  r.End();
  for (uint32_t row = 0; row < sheet.RowCount(); ++row)
    for (const Cell& cell : sheet.RowAt(row)) PutCell(r, row, cell, &strings);
  if (layout) layout->cellsEnd = o.size();
  PutSimple(r, biff::kWindow2, {static_cast<uint16_t>(selected ? 0x06B6 : 0x00B6), 0, 0, 0x40, 0, 0, 0, 0, 0});
  PutSimple(r, biff::kEof, {});
  if (layout) layout->end = o.size();
}

}  // namespace

std::vector<uint8_t> BiffWriter::Write(const Workbook& book, SheetLayout* lastSheet) {
  SharedStrings strings(book);
  size_t estimate = 4096;
  for (const Sheet& sheet : book.sheets)
    for (uint32_t row = 0; row < sheet.RowCount(); ++row)
      for (const Cell& cell : sheet.RowAt(row)) estimate += 18 + cell.text.size();
  std::vector<uint8_t> out;
  out.reserve(estimate);
  RecordOut r(out);

  PutGlobalsHead(r);
  std::vector<size_t> positions;
  for (const Sheet& sheet : book.sheets) {
    r.Begin(biff::kBoundSheet);
    positions.push_back(out.size());
    PutU32(out, 0);  // set once the sheet's place is known
    PutU16(out, 0);
    PutShortString(out, sheet.Name());
    r.End();
  }
  strings.Put(r);
  PutSimple(r, biff::kEof, {});

  for (size_t i = 0; i < book.sheets.size(); ++i) {
    SetU32(out.data() + positions[i], static_cast<uint32_t>(out.size()));
    PutWorksheet(r, book.sheets[i], i == 0, strings, i + 1 == book.sheets.size() ? lastSheet : nullptr);
  }
  // Excel wants the workbook stream in whole sectors, which takes 4096 bytes;
  // readers ignore the zeros after the last EOF.
  if (out.size() < kMinimumStream) out.resize(kMinimumStream, 0);
  return out;
}

}  // namespace xls

namespace xls {

bool BiffWriter::WriteCells(std::vector<uint8_t>& out, const Sheet& sheet, uint32_t firstRow) {
  const size_t start = out.size();
  RecordOut r(out);
  for (uint32_t row = firstRow; row < sheet.RowCount(); ++row)
    for (const Cell& cell : sheet.RowAt(row)) {
      if (cell.type == Cell::Type::Text && 9 + cell.text.size() * 2 > biff::kMaxRecordData) {
        out.resize(start);
        return false;
      }
      PutCell(r, row, cell, nullptr);
    }
  return true;
}

void BiffWriter::SetDimensions(uint8_t* record, uint32_t rows, uint16_t columns) {
  SetU32(record + 8, rows);
  SetU16(record + 14, columns);
}

}  // namespace xls
