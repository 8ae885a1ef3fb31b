#include "ExcelDatabase.h"

#include <algorithm>
#include <mutex>
#include <system_error>

#include "SqlParser.h"
#include "WorkbookFile.h"
#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

constexpr std::u16string_view kForbiddenInSheetNames = u":\\/?*[]";
constexpr size_t kMaxSheetName = 31;

std::string Shown(std::u16string_view text) { return "'" + textcodec::Utf8::FromUtf16(text) + "'"; }

CellRange Area(const TableRef& table) {
  return table.range.value_or(CellRange{0, Sheet::kMaxRows - 1, 0, Sheet::kMaxColumns - 1});
}

// The columns of a table: names from the cells of its first row, an empty
// one named "F<n>" by its position, and where each lies in the sheet.
struct Columns {
  std::vector<std::u16string> names;
  std::vector<uint16_t> sheetColumns;
};

Columns ColumnsOf(const Sheet& sheet, const CellRange& area, uint16_t width) {
  Columns c;
  for (uint16_t i = 0; i < width; ++i) {
    const uint16_t column = static_cast<uint16_t>(area.firstColumn + i);
    const Cell* cell = sheet.Find(area.firstRow, column);
    std::u16string name = cell ? cell->DisplayText() : std::u16string();
    if (name.empty()) name = u"F" + textcodec::Utf8::ToUtf16(std::to_string(i + 1));
    c.names.push_back(std::move(name));
    c.sheetColumns.push_back(column);
  }
  return c;
}

uint16_t WidthOfRow(const Sheet& sheet, uint32_t row, const CellRange& area) {
  uint16_t width = 0;
  if (row >= sheet.RowCount()) return 0;
  for (const Cell& cell : sheet.RowAt(row))
    if (cell.column >= area.firstColumn && cell.column <= area.lastColumn)
      width = static_cast<uint16_t>(cell.column - area.firstColumn + 1);
  return width;
}

size_t IndexOfColumn(const Columns& columns, std::u16string_view name, const TableRef& table) {
  for (size_t i = 0; i < columns.names.size(); ++i)
    if (SameName(columns.names[i], name)) return i;
  throw XlsError(kStateNoColumn, "The column " + Shown(name) + " does not exist in the table " + Shown(table.sheet) + ".");
}

// The worksheet a statement names (const or not, as the workbook is).
template <typename Book>
auto& SheetOf(Book& book, const TableRef& table) {
  auto* sheet = book.FindSheet(table.sheet);
  if (!sheet) throw XlsError(kStateNoTable, "The table " + Shown(table.sheet) + " does not exist.");
  return *sheet;
}

// The workbook the last connection left, and its guard.
struct Kept {
  std::mutex lock;
  std::optional<ExcelDatabase> database;
};

Kept& KeptWorkbook() {
  static Kept kept;
  return kept;
}

}  // namespace

ExcelDatabase ExcelDatabase::Open(std::filesystem::path path, OpenOptions options) {
  if (!options.readOnly) {
    std::optional<ExcelDatabase> kept;
    {
      Kept& k = KeptWorkbook();
      const std::lock_guard<std::mutex> guard(k.lock);
      kept.swap(k.database);
    }
    if (kept && kept->path_ == path && kept->appender_->Unchanged()) {
      kept->options_ = options;
      return std::move(*kept);
    }
  }
  return ExcelDatabase(std::move(path), options);
}

void ExcelDatabase::Close(ExcelDatabase database) {
  if (database.options_.readOnly || database.changed_ || !database.appender_) return;
  database.appender_->CloseFile();
  Kept& k = KeptWorkbook();
  const std::lock_guard<std::mutex> guard(k.lock);
  k.database.emplace(std::move(database));
}

ExcelDatabase::ExcelDatabase(std::filesystem::path path, OpenOptions options)
    : path_(std::move(path)), options_(options) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(path_, ec);
  if (ec) throw XlsError(kStateCannotOpen, "The workbook file cannot be opened: " + textcodec::Utf8::FromPath(path_));
  if (exists) {
    // A file as this library writes it takes new rows in place from the first commit on.
    std::optional<SavedWorkbook> appendable;
    book_ = WorkbookFile::Load(path_, options_.readOnly ? nullptr : &appendable);
    if (appendable) {
      appender_.emplace(path_, std::move(*appendable), book_);
      appendFrom_ = book_.sheets.back().RowCount();
    }
  } else if (!options_.createIfMissing || options_.readOnly) {
    throw XlsError(kStateCannotOpen, "The workbook file does not exist: " + textcodec::Utf8::FromPath(path_));
  }
}

std::vector<std::u16string> ExcelDatabase::SheetNames() const {
  std::vector<std::u16string> names;
  for (const Sheet& s : book_.sheets) names.push_back(s.Name());
  return names;
}

ResultSet ExcelDatabase::ReadSheet(std::u16string_view sheet) const {
  SelectStatement s;
  s.table.sheet = sheet;
  s.table.worksheetForm = true;
  return Select(s);
}

void ExcelDatabase::CheckWritable() const {
  if (options_.readOnly) throw XlsError(kStateGeneral, "The workbook is opened read-only; it cannot be changed.");
  if (!book_.notRewritable.empty())
    throw XlsError(kStateGeneral, "The workbook cannot be changed by this driver because " + book_.notRewritable +
                                      "; it is left as it is.");
}

ExecuteResult ExcelDatabase::Execute(std::u16string_view sql) {
  const Statement statement = SqlParser::Parse(sql);
  ExecuteResult result;
  if (const auto* select = std::get_if<SelectStatement>(&statement)) {
    result.rows.emplace(Select(*select));
  } else if (const auto* create = std::get_if<CreateTableStatement>(&statement)) {
    Create(*create);
  } else if (const auto* drop = std::get_if<DropTableStatement>(&statement)) {
    Drop(*drop);
  } else {
    Insert(std::get<InsertStatement>(statement));
    result.affectedRows = 1;
  }
  return result;
}

ResultSet ExcelDatabase::Select(const SelectStatement& s) const {
  const Sheet& sheet = SheetOf(book_, s.table);
  const CellRange area = Area(s.table);
  const uint32_t lastRow = std::min(area.lastRow + 1, sheet.RowCount());
  uint16_t width = 0;
  for (uint32_t r = area.firstRow; r < lastRow; ++r) width = std::max(width, WidthOfRow(sheet, r, area));
  Columns all = ColumnsOf(sheet, area, width);
  Columns chosen;
  if (s.columns.empty()) {
    chosen = std::move(all);
  } else {
    for (const std::u16string& name : s.columns) {
      const size_t i = IndexOfColumn(all, name, s.table);
      chosen.names.push_back(all.names[i]);
      chosen.sheetColumns.push_back(all.sheetColumns[i]);
    }
  }
  std::vector<Row> rows;
  for (uint32_t r = area.firstRow + 1; r < lastRow; ++r) {
    Row row;
    for (const Cell& cell : sheet.RowAt(r))
      if (cell.column >= area.firstColumn && cell.column <= area.lastColumn) row.push_back(cell);
    rows.push_back(std::move(row));
  }
  return ResultSet(std::move(chosen.names), std::move(chosen.sheetColumns), std::move(rows));
}

void ExcelDatabase::Create(const CreateTableStatement& s) {
  CheckWritable();
  const CellRange area = Area(s.table);
  const std::u16string& name = s.table.sheet;
  if (name.size() > kMaxSheetName || name.find_first_of(kForbiddenInSheetNames) != std::u16string::npos)
    throw XlsError(kStateSyntax, "The sheet name " + Shown(name) +
                                     " is not allowed: at most 31 characters, none of : \\ / ? * [ ].");
  if (s.columns.size() > static_cast<size_t>(area.lastColumn - area.firstColumn) + 1)
    throw XlsError(kStateSyntax, "The table " + Shown(name) + " has more columns than its range holds.");
  for (size_t i = 0; i < s.columns.size(); ++i) {
    if (s.columns[i].empty()) throw XlsError(kStateSyntax, "A column name is empty.");
    if (s.columns[i].size() > Sheet::kMaxCellText)
      throw XlsError(kStateTooLong, "A column name is longer than a cell can hold.");
    for (size_t k = 0; k < i; ++k)
      if (SameName(s.columns[i], s.columns[k]))
        throw XlsError(kStateColumnExists, "The column " + Shown(s.columns[i]) + " is named twice.");
  }
  Sheet* sheet = book_.FindSheet(name);
  if (sheet && WidthOfRow(*sheet, area.firstRow, area) > 0)
    throw XlsError(kStateTableExists, "The table " + Shown(name) + " already exists.");
  if (!sheet) sheet = &book_.sheets.emplace_back(name);
  sheet->SetRowTexts(area.firstRow, area.firstColumn, s.columns);
  changed_ = true;
  appender_.reset();
}

void ExcelDatabase::Drop(const DropTableStatement& s) {
  Sheet& sheet = SheetOf(book_, s.table);
  CheckWritable();
  // A worksheet stays in the workbook; the table's cells are emptied.
  if (!s.table.range) {
    sheet.Clear();
  } else {
    const CellRange area = *s.table.range;
    const uint32_t lastRow = std::min(area.lastRow + 1, sheet.RowCount());
    for (uint32_t r = area.firstRow; r < lastRow; ++r)
      for (uint32_t c = area.firstColumn; c <= area.lastColumn; ++c) {
        Cell empty;
        empty.column = static_cast<uint16_t>(c);
        if (sheet.Find(r, empty.column)) sheet.SetCell(r, std::move(empty));
      }
  }
  changed_ = true;
  appender_.reset();
}

void ExcelDatabase::Insert(const InsertStatement& s) {
  Sheet& sheet = SheetOf(book_, s.table);
  CheckWritable();
  const CellRange area = Area(s.table);
  const Columns columns = ColumnsOf(sheet, area, WidthOfRow(sheet, area.firstRow, area));
  if (columns.names.empty())
    throw XlsError(kStateNoTable, "The table " + Shown(s.table.sheet) + " has no column names in its first row.");
  const size_t expected = s.columns.empty() ? columns.names.size() : s.columns.size();
  if (s.values.size() != expected)
    throw XlsError(kStateColumnCount, "The statement gives " + std::to_string(s.values.size()) + " values for " +
                                          std::to_string(expected) + " columns.");
  std::vector<std::u16string> values(columns.names.size());
  for (size_t i = 0; i < s.values.size(); ++i) {
    const size_t target = s.columns.empty() ? i : IndexOfColumn(columns, s.columns[i], s.table);
    if (s.values[i].size() > Sheet::kMaxCellText)
      throw XlsError(kStateTooLong, "The value for the column " + Shown(columns.names[target]) + " has " +
                                        std::to_string(s.values[i].size()) + " characters; a cell holds at most 32767.");
    values[target] = s.values[i];
  }
  // New rows go below everything the sheet holds, so a second writer appends.
  const uint32_t row = std::max(sheet.RowCount(), area.firstRow + 1);
  if (row >= Sheet::kMaxRows)
    throw XlsError(kStateGeneral, "The sheet " + Shown(sheet.Name()) +
                                      " is full: an Excel 97-2003 sheet holds at most 65536 rows.");
  if (&sheet != &book_.sheets.back()) appender_.reset();
  sheet.SetRowTexts(row, area.firstColumn, values);
  changed_ = true;
}

void ExcelDatabase::Persist() {
  if (!changed_) return;
  bool appended = false;
  try {
    appended = appender_ && !book_.sheets.empty() && appender_->Append(book_.sheets.back(), appendFrom_);
  } catch (const XlsError&) {
    appender_.reset();
    throw;
  }
  if (!appended) {
    appender_.reset();
    appender_.emplace(path_, book_);
  }
  appendFrom_ = book_.sheets.empty() ? 0 : book_.sheets.back().RowCount();
  changed_ = false;
}

}  // namespace xls
