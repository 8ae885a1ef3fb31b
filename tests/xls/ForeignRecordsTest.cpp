#include <gtest/gtest.h>

#include <sstream>

#include "ByteOrder.h"
#include "CompoundFileWriter.h"
#include "WorkbookFile.h"
#include "XlsError.h"
#include "XlsTestSupport.h"

namespace xls {
namespace {

using Bytes = std::vector<uint8_t>;

// Builds a workbook stream record by record, the way other programs lay
// them out, so the reader meets records our own writer never makes.
class StreamBuilder {
 public:
  void Record(uint16_t type, const Bytes& data) {
    PutU16(stream, type);
    PutU16(stream, static_cast<unsigned>(data.size()));
    stream.insert(stream.end(), data.begin(), data.end());
  }
  size_t Size() const { return stream.size(); }
  Bytes stream;
};

Bytes Words(std::initializer_list<unsigned> words) {
  Bytes b;
  for (unsigned w : words) PutU16(b, w);
  return b;
}
Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes b;
  for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
  return b;
}
Bytes Latin(const char* s) { return Bytes(s, s + std::char_traits<char>::length(s)); }
Bytes Wide(std::u16string_view s) {
  Bytes b;
  for (char16_t c : s) PutU16(b, c);
  return b;
}
Bytes U32(uint32_t v) {
  Bytes b;
  PutU32(b, v);
  return b;
}
Bytes Bof(unsigned kind) { return Cat({Words({0x0600, kind, 0, 0}), U32(0), U32(0)}); }
Bytes SheetEntry(uint32_t offset, unsigned kind, const char* name) {
  return Cat({U32(offset), Words({static_cast<unsigned>(kind << 8)}), Bytes{static_cast<uint8_t>(std::strlen(name)), 0}, Latin(name)});
}

Bytes ForeignWorkbook() {
  StreamBuilder b;
  b.Record(0x0809, Bof(0x0005));
  b.Record(0x0031, Cat({Words({200, 0, 0x7FFF, 400, 0}), U32(0), Bytes{5, 0}, Latin("Arial")}));
  for (int i = 0; i < 16; ++i)  // number formats of the cells: the general one
    b.Record(0x00E0, Cat({Words({0, 0, i < 15 ? 0xFFF5u : 0x0001u, 0x20, 0}), U32(0), U32(0), Words({0x20C0})}));
  const size_t firstEntry = b.Size() + 4;
  b.Record(0x0085, SheetEntry(0, 0, "Mixed"));
  const size_t secondEntry = b.Size() + 4;
  b.Record(0x0085, SheetEntry(0, 2, "Chart1"));
  // Shared strings: the second one has runs and extension data, changes from
  // 8-bit to 16-bit characters in the first CONTINUE, and its
  // extension data is split by the second CONTINUE.
  b.Record(0x00FC, Cat({U32(5), U32(3), Words({5}), Bytes{0}, Latin("plain"), Words({10}), Bytes{0x0C}, Words({1}),
                        U32(6), Latin("ABCDE")}));
  b.Record(0x003C, Cat({Bytes{0x01}, Wide(u"東京都市圏"), Words({0, 0}), Bytes{0xEE, 0xEE}}));
  b.Record(0x003C, Cat({Bytes(4, 0xEE), Words({4}), Bytes{0}, Latin("Ende")}));
  b.Record(0x000A, {});

  SetU32(b.stream.data() + firstEntry, static_cast<uint32_t>(b.Size()));
  b.Record(0x0809, Bof(0x0010));
  b.Record(0x0204, Cat({Words({0, 0, 15, 5}), Bytes{1}, Wide(u"Läbel")}));
  b.Record(0x00BD, Cat({Words({1, 0}), Words({15}), U32((7u << 2) | 2), Words({15}), U32((125u << 2) | 3), Words({15}),
                        U32(0x3FE00000), Words({2})}));
  b.Record(0x0205, Cat({Words({2, 0, 15}), Bytes{0x07, 0x01}}));
  b.Record(0x0006, Cat({Words({2, 1, 15}), Bytes{0, 0, 0, 0, 0, 0, 0xFF, 0xFF}, Words({0}), U32(0), Words({0})}));
  b.Record(0x0207, Cat({Words({12}), Bytes{0}, Latin("cached")}));
  b.Record(0x003C, Cat({Bytes{1}, Wide(u" välüe")}));
  b.Record(0x0006, Cat({Words({3, 0, 15}), Bytes{1, 0, 1, 0, 0, 0, 0xFF, 0xFF}, Words({0}), U32(0), Words({0})}));
  b.Record(0x0201, Words({3, 1, 15}));
  b.Record(0x00D6, Cat({Words({4, 0, 15, 4}), Bytes{0}, Latin("Rich"), Words({1}), Words({0, 0})}));
  for (unsigned column = 0; column < 3; ++column) b.Record(0x00FD, Cat({Words({5, column, 15}), U32(column)}));
  // An embedded chart's records belong to the chart, not to the sheet.
  b.Record(0x0809, Bof(0x0020));
  b.Record(0x00FD, Cat({Words({9, 0, 15}), U32(0)}));
  b.Record(0x000A, {});
  b.Record(0x000A, {});

  SetU32(b.stream.data() + secondEntry, static_cast<uint32_t>(b.Size()));
  b.Record(0x0809, Bof(0x0020));
  b.Record(0x000A, {});
  return b.stream;
}

std::filesystem::path SaveStream(const std::string& name, const Bytes& stream, std::u16string_view streamName = u"Workbook") {
  const auto path = test::OutputFile(name);
  std::ostringstream out;
  CompoundFileWriter::Write(out, streamName, stream);
  const std::string s = out.str();
  test::WriteBytes(path, Bytes(s.begin(), s.end()));
  return path;
}

TEST(ForeignRecords, EveryCellKindReadsAsXlrdReadsIt) {
  const auto path = SaveStream("foreign-records.xls", ForeignWorkbook());
  const Workbook book = WorkbookFile::Load(path);
  const std::vector<test::SheetTexts> expected = {
      {u"Mixed",
       {{u"Läbel"},
        {u"7", u"1.25", u"0.5"},
        {u"#DIV/0!", u"cached välüe"},
        {u"TRUE"},
        {u"Rich"},
        {u"plain", u"ABCDE東京都市圏", u"Ende"}}}};
  EXPECT_TRUE(test::TextsOf(book) == expected);
  EXPECT_FALSE(book.notRewritable.empty());
  if (!test::XlrdPython().empty()) EXPECT_TRUE(test::XlrdReads(path, expected));
}

TEST(ForeignRecords, ProtectedOlderAndForeignFilesAreNamed) {
  StreamBuilder protectedBook;
  protectedBook.Record(0x0809, Bof(0x0005));
  protectedBook.Record(0x002F, Words({1}));
  protectedBook.Record(0x000A, {});
  StreamBuilder biff5;
  biff5.Record(0x0809, Words({0x0500, 0x0005, 0, 0}));
  const struct {
    std::filesystem::path path;
    const char* message;
  } cases[] = {
      {SaveStream("protected.xls", protectedBook.stream), "protected by a password"},
      {SaveStream("biff5-in-workbook.xls", biff5.stream), "older Excel format"},
      {SaveStream("biff5.xls", biff5.stream, u"Book"), "older Excel format"},
      {SaveStream("word.xls", Bytes(100, 0), u"WordDocument"), "holds no workbook"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.filename().string());
    try {
      WorkbookFile::Load(c.path);
      ADD_FAILURE() << "loaded";
    } catch (const XlsError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace xls
