#include "BiffReader.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "BiffRecords.h"
#include "ByteOrder.h"
#include "XlsError.h"

namespace xls {
namespace {

[[noreturn]] void Damaged(const std::string& what) {
  throw XlsError(kStateCannotOpen, "The workbook file is damaged (" + what + ").");
}

struct Record {
  uint16_t type = 0;
  size_t offset = 0;  // of the record header in the stream
  const uint8_t* data = nullptr;
  size_t size = 0;
};

std::vector<Record> SplitRecords(const std::vector<uint8_t>& stream) {
  std::vector<Record> records;
  size_t pos = 0;
  while (pos + 4 <= stream.size()) {
    Record r;
    r.type = GetU16(stream.data() + pos);
    r.size = GetU16(stream.data() + pos + 2);
    r.offset = pos;
    if (pos + 4 + r.size > stream.size()) Damaged("a record is cut short");
    r.data = stream.data() + pos + 4;
    records.push_back(r);
    pos += 4 + r.size;
  }
  return records;
}

// Reads across a record and its CONTINUE records. Character data that runs on
// into the next record starts there with a fresh option byte (8 or 16 bits).
class SegmentCursor {
 public:
  SegmentCursor(const std::vector<Record>& records, size_t first) {
    segments_.push_back({records[first].data, records[first].size});
    for (size_t i = first + 1; i < records.size() && records[i].type == biff::kContinue; ++i)
      segments_.push_back({records[i].data, records[i].size});
  }
  static SegmentCursor Single(const uint8_t* data, size_t size) { return SegmentCursor(data, size); }

  bool AtEnd() {
    SkipExhausted();
    return segment_ >= segments_.size();
  }
  uint8_t U8() {
    SkipExhausted();
    if (segment_ >= segments_.size()) Damaged("a string runs past its record");
    return segments_[segment_].first[pos_++];
  }
  uint16_t U16() { return static_cast<uint16_t>(U8() | (U8() << 8)); }
  uint32_t U32() { return U16() | (static_cast<uint32_t>(U16()) << 16); }
  void Skip(uint64_t count) {
    while (count) {
      SkipExhausted();
      if (segment_ >= segments_.size()) Damaged("a string runs past its record");
      const size_t step = static_cast<size_t>(std::min<uint64_t>(count, segments_[segment_].second - pos_));
      pos_ += step;
      count -= step;
    }
  }
  std::u16string Chars(size_t count, bool wide) {
    std::u16string out;
    out.reserve(std::min<size_t>(count, biff::kMaxRecordData));
    while (out.size() < count) {
      if (segment_ >= segments_.size()) Damaged("a string runs past its record");
      if (pos_ >= segments_[segment_].second) {
        ++segment_;
        pos_ = 0;
        if (segment_ >= segments_.size() || segments_[segment_].second == 0) Damaged("a string runs past its record");
        wide = segments_[segment_].first[pos_++] & 1;
      }
      const auto& [data, size] = segments_[segment_];
      const size_t unit = wide ? 2 : 1;
      const size_t take = std::min(count - out.size(), (size - pos_) / unit);
      if (take == 0 && pos_ < size) Damaged("a character is split between records");
      for (size_t i = 0; i < take; ++i, pos_ += unit)
        out.push_back(wide ? static_cast<char16_t>(GetU16(data + pos_)) : static_cast<char16_t>(data[pos_]));
    }
    return out;
  }

 private:
  SegmentCursor(const uint8_t* data, size_t size) { segments_.push_back({data, size}); }
  void SkipExhausted() {
    while (segment_ < segments_.size() && pos_ >= segments_[segment_].second) {
      ++segment_;
      pos_ = 0;
    }
  }

  std::vector<std::pair<const uint8_t*, size_t>> segments_;
  size_t segment_ = 0;
  size_t pos_ = 0;
};

// Shared string: 16-bit length, option byte, optional run and extension
// counts, the characters, then the runs and extension data, which are skipped.
std::u16string ReadSharedString(SegmentCursor& c) {
  const uint16_t count = c.U16();
  const uint8_t flags = c.U8();
  const uint16_t runs = flags & 0x08 ? c.U16() : 0;
  const uint32_t extension = flags & 0x04 ? c.U32() : 0;
  std::u16string text = c.Chars(count, flags & 0x01);
  c.Skip(uint64_t{runs} * 4 + extension);
  return text;
}

// Cell strings of LABEL, RSTRING and STRING: 16-bit length, option byte, characters.
std::u16string ReadCellString(SegmentCursor& c) {
  const uint16_t count = c.U16();
  const uint8_t flags = c.U8();
  if (flags & 0x08) c.U16();
  if (flags & 0x04) c.U32();
  return c.Chars(count, flags & 0x01);
}

double DecodeRk(uint32_t rk) {
  double value;
  if (rk & 0x02) {
    value = static_cast<int32_t>(rk) >> 2;
  } else {
    const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFC) << 32;
    std::memcpy(&value, &bits, sizeof value);
  }
  return rk & 0x01 ? value / 100 : value;
}

std::u16string ErrorText(uint8_t code) {
  switch (code) {
    case 0x00: return u"#NULL!";
    case 0x07: return u"#DIV/0!";
    case 0x0F: return u"#VALUE!";
    case 0x17: return u"#REF!";
    case 0x1D: return u"#NAME?";
    case 0x24: return u"#NUM!";
    default: return u"#N/A";
  }
}

struct SheetEntry {
  uint32_t offset = 0;
  bool worksheet = false;
  bool used = false;
  std::u16string name;
};

class WorksheetParser {
 public:
  WorksheetParser(Sheet& sheet, const std::vector<std::u16string>& strings, const std::vector<bool>& plainXfs,
                  std::string& notRewritable)
      : sheet_(sheet), strings_(strings), plainXfs_(plainXfs), notRewritable_(notRewritable) {}

  void Take(const std::vector<Record>& records, size_t index) {
    const Record& r = records[index];
    const uint8_t* d = r.data;
    if (r.type != biff::kString) pendingFormula_ = false;
    switch (r.type) {
      case biff::kLabelSst:
        if (r.size < 10) Damaged("a cell record is too short");
        if (GetU32(d + 6) >= strings_.size()) Damaged("a cell refers to a missing shared string");
        Text(GetU16(d), GetU16(d + 2), strings_[GetU32(d + 6)]);
        break;
      case biff::kLabel:
      case biff::kRString: {
        if (r.size < 8) Damaged("a cell record is too short");
        SegmentCursor c = SegmentCursor::Single(d + 6, r.size - 6);
        Text(GetU16(d), GetU16(d + 2), ReadCellString(c));
        break;
      }
      case biff::kNumber:
        if (r.size < 14) Damaged("a cell record is too short");
        Number(GetU16(d), GetU16(d + 2), GetU16(d + 4), GetF64(d + 6));
        break;
      case biff::kRk:
        if (r.size < 10) Damaged("a cell record is too short");
        Number(GetU16(d), GetU16(d + 2), GetU16(d + 4), DecodeRk(GetU32(d + 6)));
        break;
      case biff::kMulRk: {
        if (r.size < 6) Damaged("a cell record is too short");
        const uint16_t row = GetU16(d), first = GetU16(d + 2);
        for (size_t i = 0; 4 + i * 6 + 6 <= r.size - 2; ++i)
          Number(row, static_cast<uint32_t>(first + i), GetU16(d + 4 + i * 6), DecodeRk(GetU32(d + 4 + i * 6 + 2)));
        break;
      }
      case biff::kBoolErr:
        if (r.size < 8) Damaged("a cell record is too short");
        if (d[7])
          Error(GetU16(d), GetU16(d + 2), d[6]);
        else
          Value(GetU16(d), GetU16(d + 2), Cell::Type::Boolean, d[6] ? 1 : 0);
        break;
      case biff::kFormula:
        if (r.size < 20) Damaged("a cell record is too short");
        CannotRewrite("it holds formulas");
        if (GetU16(d + 12) != 0xFFFF) {
          Number(GetU16(d), GetU16(d + 2), GetU16(d + 4), GetF64(d + 6));
        } else if (d[6] == 0) {
          pendingFormula_ = true;
          pendingRow_ = GetU16(d);
          pendingColumn_ = GetU16(d + 2);
        } else if (d[6] == 1) {
          Value(GetU16(d), GetU16(d + 2), Cell::Type::Boolean, d[8] ? 1 : 0);
        } else if (d[6] == 2) {
          Error(GetU16(d), GetU16(d + 2), d[8]);
        }
        break;
      case biff::kString:
        if (pendingFormula_) {
          SegmentCursor c(records, index);
          Text(pendingRow_, pendingColumn_, ReadCellString(c));
          pendingFormula_ = false;
        }
        break;
      default:
        break;
    }
  }

 private:
  void Text(uint32_t row, uint32_t column, std::u16string text) {
    if (column >= Sheet::kMaxColumns) return;
    Cell cell;
    cell.column = static_cast<uint16_t>(column);
    cell.text = std::move(text);
    sheet_.SetCell(row, std::move(cell));
  }
  // A number shown through a number format (a date, a currency) would come
  // back plain after a rewrite.
  void Number(uint32_t row, uint32_t column, uint16_t xf, double value) {
    if (xf < plainXfs_.size() && !plainXfs_[xf]) CannotRewrite("it holds formatted numbers or dates");
    Value(row, column, Cell::Type::Number, value);
  }
  void CannotRewrite(const char* reason) {
    if (notRewritable_.empty()) notRewritable_ = reason;
  }
  void Value(uint32_t row, uint32_t column, Cell::Type type, double value) {
    if (column >= Sheet::kMaxColumns) return;
    Cell cell;
    cell.column = static_cast<uint16_t>(column);
    cell.type = type;
    cell.number = value;
    sheet_.SetCell(row, std::move(cell));
  }
  void Error(uint32_t row, uint32_t column, uint8_t code) {
    if (column >= Sheet::kMaxColumns) return;
    Cell cell;
    cell.column = static_cast<uint16_t>(column);
    cell.type = Cell::Type::Error;
    cell.number = code;
    cell.text = ErrorText(code);
    sheet_.SetCell(row, std::move(cell));
  }

  Sheet& sheet_;
  const std::vector<std::u16string>& strings_;
  const std::vector<bool>& plainXfs_;
  std::string& notRewritable_;
  bool pendingFormula_ = false;
  uint32_t pendingRow_ = 0, pendingColumn_ = 0;
};

}  // namespace

Workbook BiffReader::Read(const std::vector<uint8_t>& stream) {
  const std::vector<Record> records = SplitRecords(stream);
  if (records.empty() || records[0].type != biff::kBof || records[0].size < 4 ||
      GetU16(records[0].data) != biff::kBiff8 || GetU16(records[0].data + 2) != biff::kGlobalsSubstream)
    throw XlsError(kStateCannotOpen, "The file is not an Excel 97-2003 workbook (it was saved in an older Excel format).");

  Workbook book;
  std::vector<SheetEntry> entries;
  std::vector<std::u16string> strings;
  std::vector<uint16_t> xfFormats;  // number format of each cell format
  std::vector<uint16_t> generalFormats = {0};
  size_t i = 1;
  for (; i < records.size() && records[i].type != biff::kEof; ++i) {
    const Record& r = records[i];
    if (r.type == biff::kFilePass)
      throw XlsError(kStateCannotOpen, "The workbook is protected by a password; the driver cannot read it.");
    if (r.type == biff::kBoundSheet) {
      if (r.size < 8) Damaged("a sheet entry is too short");
      SheetEntry e;
      e.offset = GetU32(r.data);
      e.worksheet = r.data[5] == 0;
      SegmentCursor c = SegmentCursor::Single(r.data + 6, r.size - 6);
      const uint8_t count = c.U8();
      const uint8_t flags = c.U8();
      e.name = c.Chars(count, flags & 1);
      if (!e.worksheet && book.notRewritable.empty()) book.notRewritable = "it holds chart or macro sheets";
      entries.push_back(std::move(e));
    } else if (r.type == biff::kXf && r.size >= 4) {
      xfFormats.push_back(GetU16(r.data + 2));
    } else if (r.type == biff::kFormat && r.size >= 2) {
      SegmentCursor c = SegmentCursor::Single(r.data + 2, r.size - 2);
      if (ReadCellString(c) == u"General") generalFormats.push_back(GetU16(r.data));
    } else if (r.type == biff::kSst) {
      SegmentCursor c(records, i);
      c.Skip(4);
      const uint32_t unique = c.U32();
      for (uint32_t k = 0; k < unique && !c.AtEnd(); ++k) strings.push_back(ReadSharedString(c));
    }
  }

  // Cell formats that show a number as it is.
  std::vector<bool> plainXfs;
  for (uint16_t format : xfFormats)
    plainXfs.push_back(std::find(generalFormats.begin(), generalFormats.end(), format) != generalFormats.end());

  // Substreams follow the globals; each one is matched to its sheet entry by
  // its position, or else by order.
  std::vector<int> sheetOfEntry(entries.size(), -1);
  for (size_t k = 0; k < entries.size(); ++k) {
    if (!entries[k].worksheet) continue;
    sheetOfEntry[k] = static_cast<int>(book.sheets.size());
    book.sheets.emplace_back(entries[k].name);
  }
  std::map<uint32_t, size_t> entryAt;
  for (size_t k = entries.size(); k-- > 0;) entryAt[entries[k].offset] = k;
  size_t nextInOrder = 0;
  for (++i; i < records.size(); ++i) {
    if (records[i].type != biff::kBof) continue;
    size_t entry = entries.size();
    if (auto it = entryAt.find(static_cast<uint32_t>(records[i].offset)); it != entryAt.end() && !entries[it->second].used)
      entry = it->second;
    while (entry == entries.size() && nextInOrder < entries.size())
      if (!entries[nextInOrder++].used) entry = nextInOrder - 1;
    if (entry < entries.size()) entries[entry].used = true;
    const int sheet = entry < entries.size() ? sheetOfEntry[entry] : -1;
    Sheet skipped(u"");
    std::string ignored;
    WorksheetParser parser(sheet >= 0 ? book.sheets[sheet] : skipped, strings, plainXfs,
                           sheet >= 0 ? book.notRewritable : ignored);
    int depth = 1;
    for (++i; i < records.size() && depth > 0; ++i) {
      if (records[i].type == biff::kBof) ++depth;
      else if (records[i].type == biff::kEof) --depth;
      else if (depth == 1) parser.Take(records, i);
    }
    --i;
  }
  return book;
}

std::optional<SheetLayout> BiffReader::LastSheetLayout(const std::vector<uint8_t>& stream) {
  size_t pos = 0;
  uint16_t type = 0;
  size_t size = 0;
  auto next = [&] {
    if (pos + 4 > stream.size()) return false;
    type = static_cast<uint16_t>(GetU16(stream.data() + pos));
    size = GetU16(stream.data() + pos + 2);
    return pos + 4 + size <= stream.size();
  };
  // The last worksheet entry must name the last substream.
  size_t last = 0;
  bool worksheet = false;
  for (; next() && type != biff::kEof; pos += 4 + size)
    if (type == biff::kBoundSheet && size >= 8) {
      const size_t offset = GetU32(stream.data() + pos + 4);
      if (offset <= last) return std::nullopt;
      last = offset;
      worksheet = stream[pos + 4 + 5] == 0;
    }
  if (!worksheet) return std::nullopt;
  SheetLayout layout;
  pos = last;
  if (!next() || type != biff::kBof) return std::nullopt;
  pos += 4 + size;
  if (!next() || type != biff::kDimensions || size != 14) return std::nullopt;
  layout.dimensions = pos;
  for (pos += 4 + size; next(); pos += 4 + size)
    if (type != biff::kLabelSst && type != biff::kLabel && type != biff::kNumber && type != biff::kBoolErr) break;
  layout.cellsEnd = pos;
  if (!next() || type != biff::kWindow2) return std::nullopt;
  pos += 4 + size;
  if (!next() || type != biff::kEof || size != 0) return std::nullopt;
  layout.end = pos + 4;
  if (std::any_of(stream.begin() + static_cast<std::ptrdiff_t>(layout.end), stream.end(), [](uint8_t b) { return b != 0; }))
    return std::nullopt;
  return layout;
}

}  // namespace xls
