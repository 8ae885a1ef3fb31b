#include <gtest/gtest.h>

#include "ConnectionString.h"
#include "XlsError.h"

namespace xls {
namespace {

TEST(ConnectionString, TheExportsConnectionString) {
  const ConnectionString c = ConnectionString::Parse(
      u"DRIVER={Microsoft Excel Driver (*.xls)};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;"
      u"CREATE_DB=\"C:\\Users\\Anna Berg\\Kalender; 2026.xls\";DBQ=C:\\Users\\Anna Berg\\Kalender; 2026.xls");
  EXPECT_EQ(c.Value(u"driver"), u"Microsoft Excel Driver (*.xls)");
  EXPECT_EQ(c.Value(u"DSN"), u"");
  EXPECT_EQ(c.Value(u"FirstRowHasNames"), u"1");
  EXPECT_EQ(c.Value(u"CREATE_DB"), u"C:\\Users\\Anna Berg\\Kalender; 2026.xls");
  // A ';' in an unquoted path is followed by no key, so it stays in the path.
  EXPECT_EQ(c.Value(u"DBQ"), u"C:\\Users\\Anna Berg\\Kalender; 2026.xls");
  EXPECT_FALSE(c.Value(u"UID").has_value());
  EXPECT_FALSE(c.Options().readOnly);
  EXPECT_TRUE(c.Options().createIfMissing);
}

TEST(ConnectionString, PathAndOptions) {
  const struct {
    const char16_t* text;
    const char16_t* path;
    bool readOnly;
    bool create;
  } cases[] = {
      {u"DBQ=C:\\a.xls", u"C:\\a.xls", false, false},
      {u"DBQ={C:\\a;b.xls};READONLY=1", u"C:\\a;b.xls", true, false},
      {u"CREATE_DB='C:\\new.xls'", u"C:\\new.xls", false, true},
      {u"  dbq = C:\\x.xls ; ReadOnly = true ; ", u"C:\\x.xls", true, false},
      {u"DRIVER={x}", u"", false, false},
      // Braces keep spaces and ';' as they are; a '}' of the value is doubled.
      {u"DBQ={C:\\s ;x\\out.xls};READONLY=1", u"C:\\s ;x\\out.xls", true, false},
      {u"DBQ={C:\\a}}b\\{c}}}}.xls}", u"C:\\a}b\\{c}}.xls", false, false},
      {u"DBQ={ lead }", u" lead ", false, false},
  };
  for (const auto& c : cases) {
    const ConnectionString s = ConnectionString::Parse(c.text);
    EXPECT_EQ(s.WorkbookPath(), c.path);
    EXPECT_EQ(s.Options().readOnly, c.readOnly);
    EXPECT_EQ(s.Options().createIfMissing, c.create);
  }
  EXPECT_THROW(ConnectionString::Parse(u"DBQ={C:\\a.xls"), XlsError);
  EXPECT_THROW(ConnectionString::Parse(u"garbage;DBQ=a"), XlsError);
  EXPECT_THROW(ConnectionString::Parse(u"DBQ={a};garbage"), XlsError);
  EXPECT_THROW(ConnectionString::Parse(u"DBQ={a}}"), XlsError);
}

}  // namespace
}  // namespace xls
