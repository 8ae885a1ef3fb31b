#include "SqlParser.h"

#include "Sheet.h"
#include "Workbook.h"
#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

[[noreturn]] void SyntaxError(const std::string& what) { throw XlsError(kStateSyntax, "Syntax error: " + what + "."); }

struct Token {
  enum class Kind { Word, Name, Text, Number, Symbol, End } kind = Kind::End;
  std::u16string text;
};

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0; }
bool IsWordChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
         c == u'$' || c == u':' || c > 0x7F;
}
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::string Quoted(const Token& t) {
  if (t.kind == Token::Kind::End) return "the end of the statement";
  return "'" + textcodec::Utf8::FromUtf16(t.text.substr(0, 40)) + "'";
}

class Lexer {
 public:
  explicit Lexer(std::u16string_view sql) : sql_(sql) {}

  Token Next() {
    while (pos_ < sql_.size() && IsSpace(sql_[pos_])) ++pos_;
    Token t;
    if (pos_ >= sql_.size()) return t;
    const char16_t c = sql_[pos_];
    if (c == u'\'') {
      t.kind = Token::Kind::Text;
      t.text = Delimited(u'\'', "a text value is not closed with a quote");
    } else if (c == u'[') {
      t.kind = Token::Kind::Name;
      t.text = Delimited(u']', "a name in brackets is not closed with ']'");
    } else if (c == u'`' || c == u'"') {
      t.kind = Token::Kind::Name;
      t.text = Delimited(c, "a quoted name is not closed");
    } else if (IsDigit(c) || ((c == u'-' || c == u'+' || c == u'.') && pos_ + 1 < sql_.size() && (IsDigit(sql_[pos_ + 1]) || sql_[pos_ + 1] == u'.'))) {
      t.kind = Token::Kind::Number;
      const size_t start = pos_++;
      while (pos_ < sql_.size() && (IsDigit(sql_[pos_]) || sql_[pos_] == u'.' || sql_[pos_] == u'e' || sql_[pos_] == u'E' ||
                                    ((sql_[pos_] == u'-' || sql_[pos_] == u'+') && (sql_[pos_ - 1] == u'e' || sql_[pos_ - 1] == u'E'))))
        ++pos_;
      t.text = sql_.substr(start, pos_ - start);
    } else if (IsWordChar(c)) {
      t.kind = Token::Kind::Word;
      const size_t start = pos_;
      while (pos_ < sql_.size() && IsWordChar(sql_[pos_])) ++pos_;
      t.text = sql_.substr(start, pos_ - start);
    } else {
      t.kind = Token::Kind::Symbol;
      t.text = sql_.substr(pos_++, 1);
    }
    return t;
  }

 private:
  // Text up to the closing delimiter; the delimiter written twice stands for itself.
  std::u16string Delimited(char16_t close, const char* unclosed) {
    std::u16string out;
    ++pos_;
    for (;;) {
      if (pos_ >= sql_.size()) SyntaxError(unclosed);
      const char16_t c = sql_[pos_++];
      if (c != close) {
        out.push_back(c);
      } else if (pos_ < sql_.size() && sql_[pos_] == close) {
        out.push_back(c);
        ++pos_;
      } else {
        return out;
      }
    }
  }

  std::u16string_view sql_;
  size_t pos_ = 0;
};

class Parser {
 public:
  explicit Parser(std::u16string_view sql) : lexer_(sql) { Advance(); }

  xls::Statement ParseStatement() {
    if (Keyword(u"SELECT")) return Select();
    if (Keyword(u"CREATE")) {
      ExpectKeyword(u"TABLE");
      return Create();
    }
    if (Keyword(u"DROP")) {
      ExpectKeyword(u"TABLE");
      DropTableStatement s{Table()};
      Finish();
      return s;
    }
    if (Keyword(u"INSERT")) {
      ExpectKeyword(u"INTO");
      return Insert();
    }
    SyntaxError("unknown statement " + Quoted(token_) + "; the driver executes SELECT, CREATE TABLE, DROP TABLE and INSERT INTO");
  }

 private:
  void Advance() { token_ = lexer_.Next(); }
  bool IsSymbol(char16_t c) const { return token_.kind == Token::Kind::Symbol && token_.text[0] == c; }
  bool Keyword(std::u16string_view word) {
    if (token_.kind != Token::Kind::Word || !SameName(token_.text, word)) return false;
    Advance();
    return true;
  }
  void ExpectKeyword(std::u16string_view word) {
    if (!Keyword(word)) SyntaxError(textcodec::Utf8::FromUtf16(word) + " expected before " + Quoted(token_));
  }
  void ExpectSymbol(char16_t c) {
    if (!IsSymbol(c)) SyntaxError(std::string("'") + static_cast<char>(c) + "' expected before " + Quoted(token_));
    Advance();
  }
  void Finish() {
    if (IsSymbol(u';')) Advance();
    if (token_.kind != Token::Kind::End) SyntaxError("unexpected " + Quoted(token_) + " after the statement");
  }
  std::u16string Name() {
    if (token_.kind != Token::Kind::Name && token_.kind != Token::Kind::Word)
      SyntaxError("a name expected before " + Quoted(token_));
    std::u16string name = token_.text;
    Advance();
    return name;
  }
  TableRef Table() { return SqlParser::ParseTableName(Name()); }
  std::vector<std::u16string> NameList() {
    std::vector<std::u16string> names;
    ExpectSymbol(u'(');
    do names.push_back(Name());
    while (IsSymbol(u',') && (Advance(), true));
    ExpectSymbol(u')');
    return names;
  }

  SelectStatement Select() {
    SelectStatement s;
    if (IsSymbol(u'*')) {
      Advance();
    } else {
      do s.columns.push_back(Name());
      while (IsSymbol(u',') && (Advance(), true));
    }
    ExpectKeyword(u"FROM");
    s.table = Table();
    Finish();
    return s;
  }

  CreateTableStatement Create() {
    CreateTableStatement s;
    s.table = Table();
    ExpectSymbol(u'(');
    do {
      s.columns.push_back(Name());
      if (token_.kind != Token::Kind::Word) SyntaxError("a column type expected before " + Quoted(token_));
      Advance();
      if (IsSymbol(u'(')) {  // a length or precision, not needed for text cells
        Advance();
        while (token_.kind == Token::Kind::Number || IsSymbol(u',')) Advance();
        ExpectSymbol(u')');
      }
    } while (IsSymbol(u',') && (Advance(), true));
    ExpectSymbol(u')');
    Finish();
    return s;
  }

  InsertStatement Insert() {
    InsertStatement s;
    s.table = Table();
    if (IsSymbol(u'(')) s.columns = NameList();
    ExpectKeyword(u"VALUES");
    ExpectSymbol(u'(');
    do {
      if (token_.kind == Token::Kind::Text || token_.kind == Token::Kind::Number)
        s.values.push_back(token_.text);
      else if (token_.kind == Token::Kind::Word && SameName(token_.text, u"NULL"))
        s.values.emplace_back();
      else
        SyntaxError("a value expected before " + Quoted(token_));
      Advance();
    } while (IsSymbol(u',') && (Advance(), true));
    ExpectSymbol(u')');
    Finish();
    return s;
  }

  Lexer lexer_;
  Token token_;
};

// "A1" into a 0-based row and column.
bool ParseCell(std::u16string_view ref, uint32_t& row, uint16_t& column) {
  size_t i = 0;
  uint32_t col = 0;
  while (i < ref.size() && i < 3) {
    char16_t c = ref[i];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    if (c < u'A' || c > u'Z') break;
    col = col * 26 + (c - u'A' + 1);
    ++i;
  }
  if (i == 0 || col > Sheet::kMaxColumns || i == ref.size() || ref.size() - i > 5) return false;
  uint32_t r = 0;
  for (; i < ref.size(); ++i) {
    if (!IsDigit(ref[i])) return false;
    r = r * 10 + (ref[i] - u'0');
  }
  if (r == 0 || r > Sheet::kMaxRows) return false;
  row = r - 1;
  column = static_cast<uint16_t>(col - 1);
  return true;
}

}  // namespace

Statement SqlParser::Parse(std::u16string_view sql) { return Parser(sql).ParseStatement(); }

TableRef SqlParser::ParseTableName(std::u16string_view name) {
  TableRef t;
  const size_t dollar = name.rfind(u'$');
  std::u16string_view sheet = dollar == std::u16string_view::npos ? name : name.substr(0, dollar);
  if (sheet.size() >= 2 && sheet.front() == u'\'' && sheet.back() == u'\'') sheet = sheet.substr(1, sheet.size() - 2);
  if (sheet.empty()) SyntaxError("a table name is empty");
  t.sheet = sheet;
  if (dollar == std::u16string_view::npos) return t;
  t.worksheetForm = true;
  const std::u16string_view range = name.substr(dollar + 1);
  if (range.empty()) return t;
  const size_t colon = range.find(u':');
  CellRange r;
  const std::u16string_view first = range.substr(0, colon);
  const std::u16string_view last = colon == std::u16string_view::npos ? first : range.substr(colon + 1);
  if (!ParseCell(first, r.firstRow, r.firstColumn) || !ParseCell(last, r.lastRow, r.lastColumn) ||
      r.lastRow < r.firstRow || r.lastColumn < r.firstColumn)
    SyntaxError("the range '" + textcodec::Utf8::FromUtf16(range.substr(0, 40)) + "' is not a valid cell range");
  t.range = r;
  return t;
}

}  // namespace xls
