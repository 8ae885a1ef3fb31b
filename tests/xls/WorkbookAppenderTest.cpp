#include <gtest/gtest.h>

#include <optional>

#include "ExcelDatabase.h"
#include "WorkbookFile.h"
#include "XlsTestSupport.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

using Texts = std::vector<std::u16string>;

std::u16string Number(size_t n) { return textcodec::Utf8::ToUtf16(std::to_string(n)); }

std::u16string InsertSql(const std::u16string& sheet, const Texts& values) {
  std::u16string sql = u"INSERT INTO [" + sheet + u"$] VALUES (";
  for (const auto& v : values) sql += u"'" + v + u"', ";
  sql.resize(sql.size() - 2);
  return sql + u")";
}

// Values of every kind the appended records carry: short, empty, wide
// characters, and long ones that cross sector boundaries.
Texts Entry(size_t n, size_t longText) {
  const std::u16string i = Number(n);
  return {u"Meeting " + i, n % 3 ? u"Anna Berg" : u"", u"\u00c5sa \u4f1a\u8bae " + i,
          i + std::u16string(n % 5 == 0 ? longText : 10, static_cast<char16_t>(n % 2 ? u'x' : u'\u0416'))};
}

// Written in place rather than replaced: a hard link made before still shows the file.
class InPlace {
 public:
  explicit InPlace(const std::filesystem::path& path) : path_(path), link_(path.string() + ".link") {
    std::filesystem::remove(link_);
    std::filesystem::create_hard_link(path_, link_);
  }
  ~InPlace() { std::filesystem::remove(link_); }
  bool Holds() const { return test::ReadBytes(link_) == test::ReadBytes(path_); }

 private:
  std::filesystem::path path_, link_;
};

std::vector<test::SheetTexts> Reread(const std::filesystem::path& path) {
  return test::TextsOf(WorkbookFile::Load(path));
}

// Row after row committed: after every commit the file holds exactly the rows
// so far, written in place; xlrd reads what a whole save of the same workbook holds.
TEST(WorkbookAppender, EveryCommitWritesTheNewRowsInPlace) {
  const auto path = test::OutputFile("append-rows.xls");
  const auto whole = test::OutputFile("append-rows-whole.xls");
  ExcelDatabase db(path, {});
  db.Execute(u"CREATE TABLE [First] ([A] char(255))");
  db.Execute(u"CREATE TABLE [Calendar] ([Subject] char(255), [From] char(255), [Title] char(255), [Body] char(255))");
  db.Execute(InsertSql(u"First", {u"kept"}));
  db.Persist();
  InPlace link(path);
  for (size_t n = 1; n <= 150; ++n) {
    db.Execute(InsertSql(u"Calendar", Entry(n, 3000)));
    db.Persist();
    if (n % 10 == 1) {
      const auto texts = Reread(path);
      ASSERT_EQ(texts.size(), 2u);
      ASSERT_EQ(texts[1].rows.size(), n + 1) << "after row " << n;
    }
  }
  EXPECT_TRUE(link.Holds());
  const Workbook book = WorkbookFile::Load(path);
  WorkbookFile::Save(whole, book);
  EXPECT_EQ(Reread(path), Reread(whole));
  EXPECT_EQ(Reread(path)[1].rows.back()[0], u"Meeting 150");
  // Sectors freed by one commit are used by the next: the file stays near the whole save's size.
  EXPECT_LT(std::filesystem::file_size(path), std::filesystem::file_size(whole) * 3 / 2);
  SKIP_WITHOUT_XLRD();
  EXPECT_TRUE(test::XlrdReads(path, Reread(whole)));
}

// Each writer a new connection, as the export wizard opens one for each folder:
// a file this library wrote takes the next writer's rows in place from its first
// commit on, below the rows already there.
TEST(WorkbookAppender, NextConnectionAppendsInPlace) {
  const auto path = test::OutputFile("append-next-connection.xls");
  std::filesystem::remove(path);
  std::vector<Texts> expected = {{u"Subject", u"From", u"Title", u"Body"}};
  {
    ExcelDatabase db(path, {});
    db.Execute(u"CREATE TABLE [Calendar] ([Subject] char(255), [From] char(255), [Title] char(255), [Body] char(255))");
    db.Persist();
  }
  std::optional<InPlace> link;
  for (size_t writer = 0, n = 1; writer < 4; ++writer) {
    // The last writer opens as a new process would, reading the file; the
    // others take the workbook the one before left.
    ExcelDatabase db = writer == 3 ? ExcelDatabase(path, {}) : ExcelDatabase::Open(path, {});
    if (writer == 1) link.emplace(path);
    for (size_t end = n + 40; n < end; ++n) {
      db.Execute(InsertSql(u"Calendar", Entry(n, 3000)));
      db.Persist();
      expected.push_back(Entry(n, 3000));
    }
    ExcelDatabase::Close(std::move(db));
  }
  EXPECT_TRUE(link->Holds());
  const auto texts = Reread(path);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rows, expected);
  SKIP_WITHOUT_XLRD();
  EXPECT_TRUE(test::XlrdReads(path, texts));
}

// Another program changes the file between a writer's opening and its first
// commit, by appending in place or by saving a larger workbook over it: the
// commit saves whole and leaves a sound workbook, never patches the other file.
TEST(WorkbookAppender, FileChangedAfterOpeningIsSavedWhole) {
  for (const bool replaced : {false, true}) {
    SCOPED_TRACE(replaced ? "replaced" : "appended in place");
    const auto path = test::OutputFile("append-changed-after-open.xls");
    std::filesystem::remove(path);
    {
      ExcelDatabase db(path, {});
      db.Execute(u"CREATE TABLE [Calendar] ([Subject] char(255))");
      db.Execute(InsertSql(u"Calendar", {u"first"}));
      db.Persist();
    }
    ExcelDatabase db(path, {});
    if (replaced) {
      Workbook other = WorkbookFile::Load(path);
      for (uint32_t row = 2; row < 200; ++row) other.sheets[0].SetRowTexts(row, 0, {std::u16string(3000, u'o')});
      WorkbookFile::Save(path, other);
    } else {
      ExcelDatabase other(path, {});
      for (size_t n = 0; n < 50; ++n) {
        other.Execute(InsertSql(u"Calendar", {std::u16string(3000, u'o')}));
        other.Persist();
      }
    }
    db.Execute(InsertSql(u"Calendar", {u"second"}));
    db.Persist();
    const auto texts = Reread(path);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rows, (std::vector<Texts>{{u"Subject"}, {u"first"}, {u"second"}}));
    SKIP_WITHOUT_XLRD();
    EXPECT_TRUE(test::XlrdReads(path, texts));
  }
}

// The workbook a closed connection left is not taken once another program has
// saved the file anew: the next connection reads the file.
TEST(WorkbookAppender, KeptWorkbookGivesWayToAChangedFile) {
  const auto path = test::OutputFile("append-kept-changed.xls");
  std::filesystem::remove(path);
  ExcelDatabase first = ExcelDatabase::Open(path, {});
  first.Execute(u"CREATE TABLE [Calendar] ([Subject] char(255))");
  first.Execute(InsertSql(u"Calendar", {u"first"}));
  first.Persist();
  ExcelDatabase::Close(std::move(first));
  Workbook other = WorkbookFile::Load(path);
  other.sheets[0].SetRowTexts(2, 0, {u"other"});
  WorkbookFile::Save(path, other);

  ExcelDatabase next = ExcelDatabase::Open(path, {});
  next.Execute(InsertSql(u"Calendar", {u"next"}));
  next.Persist();
  ExcelDatabase::Close(std::move(next));
  const auto texts = Reread(path);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rows, (std::vector<Texts>{{u"Subject"}, {u"first"}, {u"other"}, {u"next"}}));
}

// A file too big for the header's FAT slots: the FAT index grows in place too.
TEST(WorkbookAppender, LargeWorkbookGrowsItsFatIndex) {
  const auto path = test::OutputFile("append-large.xls");
  ExcelDatabase db(path, {});
  db.Execute(u"CREATE TABLE [Big] ([A] char(255), [B] char(255), [C] char(255), [D] char(255), [E] char(255))");
  db.Persist();
  InPlace link(path);
  const std::u16string wide(4000, u'\u0416');
  for (size_t n = 1; n <= 240; ++n) {
    db.Execute(InsertSql(u"Big", {Number(n), wide, wide, wide, wide}));
    db.Persist();
  }
  EXPECT_TRUE(link.Holds());
  EXPECT_GT(std::filesystem::file_size(path), 109u * 128 * 512);
  const auto texts = Reread(path);
  ASSERT_EQ(texts[0].rows.size(), 241u);
  EXPECT_EQ(texts[0].rows[240], (Texts{u"240", wide, wide, wide, wide}));
  SKIP_WITHOUT_XLRD();
  EXPECT_TRUE(test::XlrdReads(path, texts));
}

// A workbook another program wrote is saved whole once; rows after that go in place.
TEST(WorkbookAppender, ForeignWorkbookIsSavedWholeOnceThenAppended) {
  const auto path = test::OutputFile("append-foreign.xls");
  test::WriteBytes(path, test::ReadBytes(test::SourceFile("data/foreign-small.xls")));
  ExcelDatabase db(path, {});
  const std::u16string sheet = db.SheetNames().back();
  const size_t width = Reread(path).back().rows.front().size();
  ASSERT_GT(width, 0u);
  auto row = [&](size_t n) {
    Texts values(width, u"v" + Number(n));
    return values;
  };
  db.Execute(InsertSql(sheet, row(1)));
  db.Persist();
  InPlace link(path);
  for (size_t n = 2; n <= 40; ++n) {
    db.Execute(InsertSql(sheet, row(n)));
    db.Persist();
  }
  EXPECT_TRUE(link.Holds());
  const auto whole = test::OutputFile("append-foreign-whole.xls");
  WorkbookFile::Save(whole, WorkbookFile::Load(path));
  const auto texts = Reread(path);
  EXPECT_EQ(texts, Reread(whole));
  EXPECT_EQ(texts.back().rows.back(), row(40));
  SKIP_WITHOUT_XLRD();
  EXPECT_TRUE(test::XlrdReads(path, texts));
}

// Anything but rows appended to the last sheet, or a file changed by someone
// else, is saved whole; the content stays right either way.
TEST(WorkbookAppender, OtherChangesAreSavedWhole) {
  const auto path = test::OutputFile("append-other.xls");
  ExcelDatabase db(path, {});
  db.Execute(u"CREATE TABLE [One] ([A] char(255))");
  db.Execute(u"CREATE TABLE [Two] ([B] char(255))");
  db.Persist();
  db.Execute(InsertSql(u"One", {u"first sheet"}));
  db.Persist();
  db.Execute(InsertSql(u"Two", {u"second sheet"}));
  db.Persist();
  // Another writer replaces the file: the next write must not patch it blindly.
  WorkbookFile::Save(path, WorkbookFile::Load(path));
  db.Execute(InsertSql(u"Two", {u"after"}));
  db.Persist();
  const auto texts = Reread(path);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].rows, (std::vector<Texts>{{u"A"}, {u"first sheet"}}));
  EXPECT_EQ(texts[1].rows, (std::vector<Texts>{{u"B"}, {u"second sheet"}, {u"after"}}));
  SKIP_WITHOUT_XLRD();
  EXPECT_TRUE(test::XlrdReads(path, texts));
}

}  // namespace
}  // namespace xls
