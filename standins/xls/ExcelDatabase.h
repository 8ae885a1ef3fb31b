#pragma once
// One connection to a workbook file, as the ODBC layer holds it: the workbook
// is loaded whole when the connection opens, statements work on it in memory,
// and Persist writes it back (the ODBC layer calls it at commit and when the
// connection closes). When only rows were appended to the last sheet since the
// previous write, or since the connection opened a file laid out as this
// library writes one, Persist writes just those rows into the file; so
// appending n rows costs O(n) even with a write after every row.
//
// A connection that closes with everything written leaves its workbook to the
// next one opened on the same file, which takes it instead of reading and
// parsing the file again as long as the file is as that connection left it;
// a writer that opens one connection after another on a growing file (one for
// each folder it exports) then pays for the file once.
//
// Failures are XlsError exceptions carrying an SQLSTATE and a clear text. A
// file that cannot be read is reported and never written.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ResultSet.h"
#include "SqlStatement.h"
#include "WorkbookAppender.h"
#include "Workbook.h"

namespace xls {

struct OpenOptions {
  bool readOnly = false;
  bool createIfMissing = true;  // a missing file is a new, empty workbook
};

struct ExecuteResult {
  std::optional<ResultSet> rows;  // SELECT only
  uint64_t affectedRows = 0;      // INSERT: 1
};

class ExcelDatabase {
 public:
  ExcelDatabase(std::filesystem::path path, OpenOptions options);
  // The connection's workbook: the one the last connection on the file left
  // when the file is still as it left it, or else the file's, read.
  static ExcelDatabase Open(std::filesystem::path path, OpenOptions options);
  // Ends a connection (changes not written are lost), keeping its workbook for
  // the next Open when all it changed is written. Only one is kept.
  static void Close(ExcelDatabase database);

  const std::filesystem::path& Path() const { return path_; }
  std::vector<std::u16string> SheetNames() const;
  // The whole sheet as a table: the first row names the columns.
  ResultSet ReadSheet(std::u16string_view sheet) const;
  ExecuteResult Execute(std::u16string_view sql);
  bool HasChanges() const { return changed_; }
  // Writes the workbook when a statement changed it since the last write.
  void Persist();

 private:
  void CheckWritable() const;
  ResultSet Select(const SelectStatement& s) const;
  void Create(const CreateTableStatement& s);
  void Drop(const DropTableStatement& s);
  void Insert(const InsertStatement& s);

  std::filesystem::path path_;
  OpenOptions options_;
  Workbook book_;
  bool changed_ = false;
  // Set while the file is as the appender wrote or found it and only rows of
  // the last sheet from appendFrom_ on are new.
  std::optional<WorkbookAppender> appender_;
  uint32_t appendFrom_ = 0;
};

}  // namespace xls
