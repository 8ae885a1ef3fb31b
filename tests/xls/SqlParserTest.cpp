#include <gtest/gtest.h>

#include "SqlParser.h"
#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

TEST(SqlParser, TheDriverStatementsOverBracketedSheetsAndRanges) {
  const Statement create = SqlParser::Parse(
      u"CREATE TABLE [Calendar] ([Subject] char(255), [From] char(255), [From Email] char(255))");
  const auto& c = std::get<CreateTableStatement>(create);
  EXPECT_EQ(c.table.sheet, u"Calendar");
  EXPECT_FALSE(c.table.worksheetForm);
  EXPECT_EQ(c.columns, (std::vector<std::u16string>{u"Subject", u"From", u"From Email"}));

  const Statement againStatement = SqlParser::Parse(u"CREATE TABLE [Calendar$A1:IV65536] ([Body] char(255))");
  const auto& again = std::get<CreateTableStatement>(againStatement);
  ASSERT_TRUE(again.table.range.has_value());
  EXPECT_EQ(again.table.range->lastRow, 65535u);
  EXPECT_EQ(again.table.range->lastColumn, 255);

  const Statement dropStatement = SqlParser::Parse(u"drop table [Calendar$A1:IV65536];");
  const auto& drop = std::get<DropTableStatement>(dropStatement);
  EXPECT_EQ(drop.table.sheet, u"Calendar");

  const Statement selectStatement = SqlParser::Parse(u"SELECT * FROM [Calendar$]");
  const auto& select = std::get<SelectStatement>(selectStatement);
  EXPECT_TRUE(select.table.worksheetForm);
  EXPECT_FALSE(select.table.range.has_value());
  EXPECT_TRUE(select.columns.empty());

  const Statement insertStatement =
      SqlParser::Parse(u"INSERT INTO [Calendar$A1:IV7] ([Subject], [Body]) VALUES ('a', NULL)");
  const auto& insert = std::get<InsertStatement>(insertStatement);
  EXPECT_EQ(insert.table.range->lastRow, 6u);
  EXPECT_EQ(insert.columns, (std::vector<std::u16string>{u"Subject", u"Body"}));
  EXPECT_EQ(insert.values, (std::vector<std::u16string>{u"a", u""}));
}

TEST(SqlParser, TextValuesKeepQuotesSeparatorsLineBreaksAndAnyUnicode) {
  const std::vector<std::u16string> values = {
      u"It's",      u"''", u"", u"a,b;c.d?e", u"(x), 'y'", u"line one\r\nline two\n", u"Grüße 東京 Ωμέγα \U0001F600",
      u"[Calendar$]", u"\"double\"", std::u16string(10000, u'x')};
  std::u16string sql = u"INSERT INTO [Calendar$] VALUES (";
  for (size_t i = 0; i < values.size(); ++i) {
    std::u16string escaped;
    for (char16_t ch : values[i]) {
      escaped.push_back(ch);
      if (ch == u'\'') escaped.push_back(ch);
    }
    sql += (i ? u", '" : u"'") + escaped + u"'";
  }
  sql += u")";
  EXPECT_EQ(std::get<InsertStatement>(SqlParser::Parse(sql)).values, values);
}

TEST(SqlParser, MalformedStatementsNameTheirFault) {
  const struct {
    const char16_t* sql;
    const char* message;
  } cases[] = {
      {u"INSERT INTO [Calendar$] VALUES ('It's')", "')' expected before 's'"},
      {u"INSERT INTO [Calendar$] VALUES ('open", "not closed with a quote"},
      {u"SELECT * FROM [Calendar$", "not closed with ']'"},
      {u"UPDATE [Calendar$] SET a = 1", "unknown statement"},
      {u"INSERT INTO [Calendar$] ('a')", "a name expected before 'a'"},
      {u"INSERT INTO [Calendar$] VALUES ('a') junk", "unexpected 'junk' after the statement"},
      {u"INSERT INTO [Calendar$] SELECT", "VALUES expected"},
      {u"CREATE TABLE [Calendar] ([Subject])", "column type expected"},
      {u"SELECT * FROM [Calendar$A0:B2]", "not a valid cell range"},
      {u"SELECT * FROM [Calendar$IW1:IW2]", "not a valid cell range"},
      {u"SELECT * FROM [Calendar$B2:A1]", "not a valid cell range"},
      {u"SELECT * FROM [$A1:B2]", "table name is empty"},
      {u"DROP TABLE", "a name expected"},
      {u"", "unknown statement"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(textcodec::Utf8::FromUtf16(c.sql));
    try {
      SqlParser::Parse(c.sql);
      ADD_FAILURE() << "no error";
    } catch (const XlsError& e) {
      EXPECT_EQ(e.SqlState(), "42000");
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace xls
