#include <gtest/gtest.h>

#include <sstream>

#include "ByteOrder.h"
#include "CompoundFileReader.h"
#include "CompoundFileWriter.h"
#include "XlsError.h"
#include "XlsTestSupport.h"

namespace xls {
namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> data(size);
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return data;
}

std::vector<uint8_t> Container(const std::vector<uint8_t>& stream) {
  std::ostringstream out;
  CompoundFileWriter::Write(out, u"Workbook", stream);
  const std::string s = out.str();
  return std::vector<uint8_t>(s.begin(), s.end());
}

// Small streams go to the small-sector container, large ones to whole
// sectors; past 109 allocation sectors the index continues in extra sectors.
TEST(CompoundFile, StreamsOfEverySizeComeBackWhole) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{64}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{513 * 1024},
                      size_t{8} << 20}) {
    SCOPED_TRACE(size);
    const std::vector<uint8_t> stream = Pattern(size);
    const std::vector<uint8_t> file = Container(stream);
    EXPECT_EQ(file.size() % 512, 0u);
    const CompoundFileReader reader(file);
    const auto back = reader.ReadStream(u"workbook");
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(*back == stream);
    EXPECT_FALSE(reader.ReadStream(u"Book").has_value());
  }
}

TEST(CompoundFile, DamagedContainersGiveClearErrors) {
  const std::vector<uint8_t> good = Container(Pattern(20000));
  const std::vector<uint8_t> small = Container(Pattern(1000));
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    const char* message;
  };
  std::vector<Case> cases;
  cases.push_back({"text file", std::vector<uint8_t>(600, 'a'), "not an Excel 97-2003 workbook"});
  cases.push_back({"header only", std::vector<uint8_t>(good.begin(), good.begin() + 300), "damaged"});
  cases.push_back({"cut in the data", std::vector<uint8_t>(good.begin(), good.begin() + 8192), "damaged"});
  {
    auto f = good;  // first data sector links to itself
    const uint32_t fatSector = GetU32(f.data() + 76);
    SetU32(f.data() + (fatSector + 1) * 512, 0);
    cases.push_back({"looping chain", f, "damaged"});
  }
  {
    auto f = good;
    SetU32(f.data() + 76, 0x7FFFFFF0);
    cases.push_back({"allocation table outside", f, "damaged"});
  }
  {
    auto f = good;
    SetU32(f.data() + 44, 0xFFFFFF);
    cases.push_back({"huge allocation table", f, "damaged"});
  }
  {
    auto f = small;  // the stream claims more small sectors than its chain has
    const uint32_t dir = GetU32(f.data() + 48);
    SetU32(f.data() + (dir + 1) * 512 + 128 + 120, 4000);
    cases.push_back({"small stream too long", f, "damaged"});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      const CompoundFileReader reader(c.file);
      reader.ReadStream(u"Workbook");
      ADD_FAILURE() << "no error";
    } catch (const XlsError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(CompoundFile, ReadsTheContainerOfAnotherProgram) {
  const std::vector<uint8_t> file = test::ReadBytes(test::SourceFile("data/foreign-small.xls"));
  const CompoundFileReader reader(file);
  const auto stream = reader.ReadStream(u"Workbook");
  ASSERT_TRUE(stream.has_value());
  ASSERT_GE(stream->size(), 4u);
  EXPECT_EQ(GetU16(stream->data()), 0x0809);
}

}  // namespace
}  // namespace xls
