#include <gtest/gtest.h>

#include "WorkbookFile.h"
#include "XlsError.h"
#include "XlsTestSupport.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

using test::SheetTexts;

TEST(WorkbookRoundTrip, ReadsWorkbooksOfAnotherProgramAsXlrdDoes) {
  SKIP_WITHOUT_XLRD();
  for (const char* name : {"data/foreign-small.xls", "data/foreign-large.xls", "data/foreign-dates.xls"}) {
    SCOPED_TRACE(name);
    const Workbook book = WorkbookFile::Load(test::SourceFile(name));
    EXPECT_TRUE(test::XlrdReads(test::SourceFile(name), test::TextsOf(book)));
  }
}

TEST(WorkbookRoundTrip, ForeignCellKindsReadAsTexts) {
  const Workbook small = WorkbookFile::Load(test::SourceFile("data/foreign-small.xls"));
  ASSERT_EQ(small.sheets.size(), 2u);
  const std::vector<SheetTexts> texts = test::TextsOf(small);
  EXPECT_EQ(texts[0].name, u"Calendar");
  EXPECT_EQ(texts[0].rows[1], (std::vector<std::u16string>{u"Réunion «été»", u"42", u"TRUE", u"0.125"}));
  EXPECT_EQ(texts[0].rows[2], (std::vector<std::u16string>{u"Zweite Zeile", u"-7", u"FALSE", u"1234567.5"}));
  EXPECT_EQ(texts[1].rows.size(), 4u);
  EXPECT_EQ(texts[1].rows[3][2], u"far away");
  EXPECT_TRUE(small.notRewritable.empty());

  const Workbook large = WorkbookFile::Load(test::SourceFile("data/foreign-large.xls"));
  const Sheet& big = large.sheets.at(0);
  EXPECT_EQ(big.RowCount(), 400u);
  EXPECT_EQ(big.Find(2, 3)->DisplayText(), std::u16string(9000, u'x') + u"Ende");
  EXPECT_EQ(big.Find(3, 3)->DisplayText(), std::u16string(5000, u'ü') + std::u16string(5000, u'東'));
  EXPECT_FALSE(large.notRewritable.empty()) << "a formula cannot be written back";
}

// Strings of many lengths, 8-bit and 16-bit, fall on every kind of record
// boundary of the shared-string table; xlrd and our reader must both see them whole.
TEST(WorkbookRoundTrip, SharedStringsSplitAcrossRecordsComeBackWhole) {
  Workbook book;
  Sheet& sheet = book.sheets.emplace_back(u"Calendar");
  for (uint32_t i = 0; i < 400; ++i) {
    std::u16string text = textcodec::Utf8::ToUtf16(std::to_string(i) + ":");
    const size_t length = (i * 997) % 5000;
    const char16_t fill = i % 3 == 0 ? u'東' : i % 3 == 1 ? u'é' : u'a';
    text.append(length, fill);
    sheet.SetRowTexts(i, 0, {text, u"same", i % 2 ? u"" : u"x'y\r\nz"});
  }
  sheet.SetRowTexts(400, 0, {std::u16string(Sheet::kMaxCellText, u'Ω'), std::u16string(Sheet::kMaxCellText, u'q')});
  Cell number;
  number.type = Cell::Type::Number;
  number.number = 2.5;
  sheet.SetCell(401, number);
  book.sheets.emplace_back(u"Zweites Blatt").SetRowTexts(0, 3, {u"only cell"});

  const auto path = test::OutputFile("shared-strings.xls");
  WorkbookFile::Save(path, book);
  const Workbook back = WorkbookFile::Load(path);
  const auto expected = test::TextsOf(book);
  EXPECT_TRUE(test::TextsOf(back) == expected);
  if (!test::XlrdPython().empty()) EXPECT_TRUE(test::XlrdReads(path, expected));
}

// A character outside the Basic Multilingual Plane is two UTF-16 units; a record
// boundary of the shared-string table never falls between them. Strings of emoji
// behind prefixes of every length put boundaries on both halves of a pair.
TEST(WorkbookRoundTrip, RecordBoundariesNeverSplitASurrogatePair) {
  SKIP_WITHOUT_XLRD();
  Workbook book;
  Sheet& sheet = book.sheets.emplace_back(u"Calendar");
  for (uint32_t i = 0; i < 24; ++i) {
    std::u16string text(i, u'e');
    for (int k = 0; k < 1500 + static_cast<int>(i) * 37; ++k) text += u"\U0001F600";
    sheet.SetRowTexts(i, 0, {text});
  }
  const auto path = test::OutputFile("surrogate-pairs.xls");
  WorkbookFile::Save(path, book);
  EXPECT_TRUE(test::TextsOf(WorkbookFile::Load(path)) == test::TextsOf(book));
  EXPECT_TRUE(test::XlrdReads(path, test::TextsOf(book)));
}

// A one-row workbook still gets a workbook stream of whole sectors, as Excel
// wants it.
TEST(WorkbookRoundTrip, SmallWorkbookIsWrittenInWholeSectors) {
  Workbook book;
  book.sheets.emplace_back(u"Calendar").SetRowTexts(0, 0, {u"Subject", u"Body"});
  const auto path = test::OutputFile("small.xls");
  WorkbookFile::Save(path, book);
  EXPECT_GT(std::filesystem::file_size(path), 4096u);
  EXPECT_TRUE(test::TextsOf(WorkbookFile::Load(path)) == test::TextsOf(book));
  if (!test::XlrdPython().empty()) EXPECT_TRUE(test::XlrdReads(path, test::TextsOf(book)));
}

TEST(WorkbookRoundTrip, CutOrScrambledWorkbooksGiveErrorsNotCrashes) {
  const std::vector<uint8_t> good = test::ReadBytes(test::SourceFile("data/foreign-large.xls"));
  const auto path = test::OutputFile("damaged.xls");
  for (size_t cut : {size_t{0}, size_t{100}, size_t{511}, size_t{4096}, good.size() / 2, good.size() - 1}) {
    SCOPED_TRACE(cut);
    test::WriteBytes(path, std::vector<uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)));
    EXPECT_THROW(WorkbookFile::Load(path), XlsError);
  }
  for (size_t at = 512; at < good.size(); at += 1021) {
    auto bad = good;
    for (size_t k = at; k < std::min(at + 8, bad.size()); ++k) bad[k] = static_cast<uint8_t>(bad[k] ^ 0xA5);
    test::WriteBytes(path, bad);
    try {
      WorkbookFile::Load(path);
    } catch (const XlsError& e) {
      EXPECT_FALSE(std::string(e.what()).empty());
    }
  }
}

}  // namespace
}  // namespace xls
