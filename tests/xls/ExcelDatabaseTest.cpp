#include <gtest/gtest.h>

#include "ExcelDatabase.h"
#include "WorkbookFile.h"
#include "XlsError.h"
#include "XlsTestSupport.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

using test::SheetTexts;
using Texts = std::vector<std::u16string>;

const Texts kHeader = {u"Subject", u"From", u"From Email", u"Send To", u"Location",
                       u"Start Date", u"End Date", u"Attachment", u"Body"};

std::u16string Quoted(const std::u16string& value) {
  std::u16string out = u"'";
  for (char16_t c : value) {
    out.push_back(c);
    if (c == u'\'') out.push_back(c);
  }
  return out + u"'";
}

std::u16string CreateSql(const std::u16string& table) {
  std::u16string sql = u"CREATE TABLE [" + table + u"] (";
  for (const auto& name : kHeader) sql += u"[" + name + u"] char(255), ";
  sql.resize(sql.size() - 2);
  return sql + u")";
}

std::u16string InsertSql(uint32_t row, const Texts& values) {
  std::u16string sql = u"INSERT INTO [Calendar$A1:IV" + textcodec::Utf8::ToUtf16(std::to_string(row)) + u"] (";
  for (const auto& name : kHeader) sql += u"[" + name + u"], ";
  sql.resize(sql.size() - 2);
  sql += u") VALUES (";
  for (const auto& v : values) sql += Quoted(v) + u", ";
  sql.resize(sql.size() - 2);
  return sql + u")";
}

Texts Entry(int n) {
  const std::u16string i = textcodec::Utf8::ToUtf16(std::to_string(n));
  return {u"Meeting " + i, u"Anna Berg", u"<anna@example.com>", u"Team", u"Room " + i,
          u"2026-12-10 09:00", u"2026-12-10 10:00", u"", u"Agenda " + i};
}

std::vector<Texts> RowsOf(const ResultSet& r) {
  std::vector<Texts> rows;
  for (size_t i = 0; i < r.RowCount(); ++i) rows.push_back(r.RowValues(i));
  return rows;
}

// What the calendar export does: a new workbook gets the header row and the
// rows, a second writer appends after them, and xlrd reads the result.
TEST(ExcelDatabase, NewWorkbookThenSecondWriterAppends) {
  const auto path = test::OutputFile("calendar.xls");
  {
    ExcelDatabase db(path, {});
    EXPECT_THROW(db.Execute(u"SELECT * FROM [Calendar$A1:IV65536]"), XlsError);
    db.Execute(CreateSql(u"Calendar"));
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(db.Execute(InsertSql(n, Entry(n))).affectedRows, 1u);
    db.Persist();
  }
  {
    ExcelDatabase db(path, {});
    const ResultSet before = *db.Execute(u"SELECT * FROM [Calendar$A1:IV65536]").rows;
    EXPECT_EQ(before.ColumnNames(), kHeader);
    EXPECT_EQ(before.RowCount(), 3u);
    for (int n = 4; n <= 5; ++n) db.Execute(InsertSql(n, Entry(n)));
    db.Persist();
  }
  ExcelDatabase db(path, {.readOnly = true});
  EXPECT_EQ(db.SheetNames(), Texts{u"Calendar"});
  const ResultSet all = db.ReadSheet(u"Calendar");
  std::vector<Texts> expected;
  for (int n = 1; n <= 5; ++n) expected.push_back(Entry(n));
  EXPECT_EQ(RowsOf(all), expected);

  SKIP_WITHOUT_XLRD();
  SheetTexts sheet{u"Calendar", {kHeader}};
  sheet.rows.insert(sheet.rows.end(), expected.begin(), expected.end());
  EXPECT_TRUE(test::XlrdReads(path, {sheet}));
}

// The old commit style still works: drop the table, create it over the whole
// range, insert every row again.
TEST(ExcelDatabase, DropAndCreateOverTheRangeRewritesTheTable) {
  const auto path = test::OutputFile("rewrite.xls");
  ExcelDatabase db(path, {});
  db.Execute(CreateSql(u"Calendar"));
  db.Execute(InsertSql(1, Entry(1)));
  db.Execute(u"DROP TABLE [Calendar$A1:IV65536]");
  EXPECT_EQ(db.ReadSheet(u"Calendar").ColumnCount(), 0u);
  db.Execute(CreateSql(u"Calendar$A1:IV65536"));
  db.Execute(InsertSql(1, Entry(1)));
  db.Execute(InsertSql(2, Entry(2)));
  EXPECT_EQ(RowsOf(db.ReadSheet(u"Calendar")), (std::vector<Texts>{Entry(1), Entry(2)}));
  EXPECT_EQ(db.SheetNames().size(), 1u);
}

TEST(ExcelDatabase, AwkwardValuesSurviveTheRoundTrip) {
  const auto path = test::OutputFile("values.xls");
  const Texts values = {u"It's Anna's \"big\" day",
                        u"a,b;c.d?e,;.?\",;.?\"",
                        u"line one\r\nline two\nline three\r",
                        u"Grüße aus Köln, Ωμέγα, 東京, עברית, \U0001F600",
                        std::u16string(10000, u'x') + u"end",
                        u"'",
                        u"  leading and trailing blanks  ",
                        u"",
                        std::u16string(4000, u'ß') + std::u16string(6000, u'語')};
  {
    ExcelDatabase db(path, {});
    db.Execute(CreateSql(u"Calendar"));
    db.Execute(InsertSql(1, values));
    db.Persist();
  }
  const ResultSet back = ExcelDatabase(path, {}).ReadSheet(u"Calendar");
  ASSERT_EQ(back.RowCount(), 1u);
  EXPECT_TRUE(back.RowValues(0) == values);

  SKIP_WITHOUT_XLRD();
  EXPECT_TRUE(test::XlrdReads(path, {SheetTexts{u"Calendar", {kHeader, values}}}));
}

TEST(ExcelDatabase, RefusedStatementsNameTheFaultAndChangeNothing) {
  const auto path = test::OutputFile("errors.xls");
  ExcelDatabase db(path, {});
  db.Execute(CreateSql(u"Calendar"));
  db.Execute(InsertSql(1, Entry(1)));
  Texts tooLong = Entry(2);
  tooLong[8] = std::u16string(Sheet::kMaxCellText + 1, u'x');
  const struct {
    std::u16string sql;
    const char* state;
    const char* message;
  } cases[] = {
      {CreateSql(u"Calendar"), "42S01", "The table 'Calendar' already exists."},
      {u"SELECT * FROM [Kalender$]", "42S02", "The table 'Kalender' does not exist."},
      {u"INSERT INTO [Calendar$] ([Subjekt]) VALUES ('x')", "42S22", "The column 'Subjekt' does not exist"},
      {u"INSERT INTO [Calendar$] ([Subject], [Body]) VALUES ('x')", "21S01", "gives 1 values for 2 columns"},
      {InsertSql(2, tooLong), "22001", "has 32768 characters; a cell holds at most 32767"},
      {u"CREATE TABLE [Cal:endar] ([A] char(255))", "42000", "is not allowed"},
      {u"CREATE TABLE [Other] ([A] char(255), [a] char(255))", "42S21", "named twice"},
      {u"INSERT INTO [Calendar$] VALUES ('unclosed)", "42000", "not closed with a quote"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(textcodec::Utf8::FromUtf16(c.sql.substr(0, 80)));
    try {
      db.Execute(c.sql);
      ADD_FAILURE() << "no error";
    } catch (const XlsError& e) {
      EXPECT_EQ(e.SqlState(), c.state);
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(RowsOf(db.ReadSheet(u"Calendar")), std::vector<Texts>{Entry(1)});
  EXPECT_EQ(db.SheetNames(), Texts{u"Calendar"});
}

TEST(ExcelDatabase, UnreadableWorkbookIsReportedAndLeftUntouched) {
  const auto path = test::OutputFile("corrupt.xls");
  std::vector<uint8_t> bytes = test::ReadBytes(test::SourceFile("data/foreign-small.xls"));
  bytes.resize(3000);
  const std::vector<std::vector<uint8_t>> files = {bytes, std::vector<uint8_t>{'P', 'K', 3, 4, 0, 0}, {}};
  for (const auto& content : files) {
    test::WriteBytes(path, content);
    try {
      ExcelDatabase db(path, {});
      ADD_FAILURE() << "opened";
    } catch (const XlsError& e) {
      EXPECT_EQ(e.SqlState(), "08001");
      EXPECT_TRUE(std::string(e.what()).find("damaged") != std::string::npos ||
                  std::string(e.what()).find("not an Excel 97-2003 workbook") != std::string::npos)
          << e.what();
    }
    EXPECT_EQ(test::ReadBytes(path), content);
  }
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path).concat(".saving")));
}

// Formulas and number formats (dates) cannot be written back by this driver:
// such a workbook is read but never rewritten.
TEST(ExcelDatabase, WorkbookThatCannotBeRewrittenIsReadOnly) {
  const struct {
    const char* fixture;
    const char16_t* insert;
    const char* reason;
    size_t rows;
  } cases[] = {
      {"data/foreign-large.xls", u"INSERT INTO [Big$] VALUES ('1', 'x', '', '')", "because it holds formulas", 399},
      {"data/foreign-dates.xls", u"INSERT INTO [Calendar$] VALUES ('x', 'y')", "formatted numbers or dates", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture);
    const auto path = test::OutputFile("not-rewritable.xls");
    const std::vector<uint8_t> original = test::ReadBytes(test::SourceFile(c.fixture));
    test::WriteBytes(path, original);
    ExcelDatabase db(path, {});
    EXPECT_EQ(db.ReadSheet(db.SheetNames().at(0)).RowCount(), c.rows);
    try {
      db.Execute(c.insert);
      ADD_FAILURE() << "inserted";
    } catch (const XlsError& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
    db.Persist();
    EXPECT_EQ(test::ReadBytes(path), original);
  }

  ExcelDatabase readOnly(test::SourceFile("data/foreign-small.xls"), {.readOnly = true});
  EXPECT_THROW(readOnly.Execute(u"DROP TABLE [Calendar$]"), XlsError);
  EXPECT_FALSE(readOnly.HasChanges());
}

TEST(ExcelDatabase, SelectNamesColumnsAndRanges) {
  ExcelDatabase db(test::SourceFile("data/foreign-small.xls"), {.readOnly = true});
  const ResultSet some = *db.Execute(u"SELECT [Done], subject FROM [Calendar$]").rows;
  EXPECT_EQ(some.ColumnNames(), (Texts{u"Done", u"Subject"}));
  EXPECT_EQ(RowsOf(some), (std::vector<Texts>{{u"TRUE", u"Réunion «été»"}, {u"FALSE", u"Zweite Zeile"}}));
  const ResultSet range = *db.Execute(u"SELECT * FROM [Calendar$B2:C3]").rows;
  EXPECT_EQ(range.ColumnNames(), (Texts{u"42", u"TRUE"}));
  EXPECT_EQ(RowsOf(range), (std::vector<Texts>{{u"-7", u"FALSE"}}));
  const ResultSet gaps = db.ReadSheet(u"notes");
  EXPECT_EQ(gaps.ColumnNames(), (Texts{u"Only", u"F2", u"F3"}));
  EXPECT_EQ(RowsOf(gaps), (std::vector<Texts>{{u"", u"", u""}, {u"", u"", u""}, {u"", u"", u"far away"}}));
}

TEST(ExcelDatabase, FullSheetRefusesFurtherRows) {
  const auto path = test::OutputFile("full.xls");
  ExcelDatabase db(path, {});
  db.Execute(u"CREATE TABLE [Calendar] ([Subject] char(255))");
  for (uint32_t n = 1; n < Sheet::kMaxRows; ++n) db.Execute(u"INSERT INTO [Calendar$] VALUES ('r')");
  try {
    db.Execute(u"INSERT INTO [Calendar$] VALUES ('one too many')");
    ADD_FAILURE() << "inserted";
  } catch (const XlsError& e) {
    EXPECT_NE(std::string(e.what()).find("is full"), std::string::npos) << e.what();
  }
  db.Persist();
  EXPECT_EQ(ExcelDatabase(path, {}).ReadSheet(u"Calendar").RowCount(), Sheet::kMaxRows - 1);
}

TEST(ExcelDatabase, NothingIsWrittenWithoutAChange) {
  const auto path = test::OutputFile("untouched.xls");
  {
    ExcelDatabase db(path, {});
    EXPECT_THROW(db.Execute(u"SELECT * FROM [Calendar$]"), XlsError);
    db.Persist();
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_THROW(ExcelDatabase(path, {.readOnly = true}), XlsError);
  EXPECT_THROW(ExcelDatabase(path, {.createIfMissing = false}), XlsError);
}

}  // namespace
}  // namespace xls
