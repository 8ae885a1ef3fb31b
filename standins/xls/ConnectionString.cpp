#include "ConnectionString.h"

#include "Workbook.h"
#include "XlsError.h"

namespace xls {
namespace {

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
  return s;
}

bool IsTrue(std::u16string_view value) {
  return SameName(value, u"TRUE") || SameName(value, u"YES") || value == u"1" || SameName(value, u"ON");
}

}  // namespace

ConnectionString ConnectionString::Parse(std::u16string_view text) {
  ConnectionString result;
  bool lastUnquoted = false;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t equals = text.find(u'=', pos);
    const size_t semicolon = text.find(u';', pos);
    if (equals == std::u16string_view::npos || (semicolon != std::u16string_view::npos && semicolon < equals)) {
      // No key here: the ';' belonged to the previous unquoted value (a path
      // such as C:\a; b.xls).
      const std::u16string_view rest = Trim(text.substr(pos, semicolon - pos));
      if (!rest.empty()) {
        if (!lastUnquoted) throw XlsError(kStateCannotOpen, "The connection string has an attribute without a value.");
        result.attributes_.back().second += u";" + std::u16string(text.substr(pos, semicolon - pos));
        result.attributes_.back().second = std::u16string(Trim(result.attributes_.back().second));
      }
      if (semicolon == std::u16string_view::npos) break;
      pos = semicolon + 1;
      continue;
    }
    const std::u16string key(Trim(text.substr(pos, equals - pos)));
    pos = equals + 1;
    while (pos < text.size() && text[pos] == u' ') ++pos;
    std::u16string value;
    const char16_t open = pos < text.size() ? text[pos] : 0;
    if (open == u'{' || open == u'"' || open == u'\'') {
      const char16_t close = open == u'{' ? u'}' : open;
      size_t end = pos;
      for (;;) {
        const size_t from = end + 1;
        end = text.find(close, from);
        if (end == std::u16string_view::npos)
          throw XlsError(kStateCannotOpen, "The connection string has an unclosed value.");
        value += text.substr(from, end - from);
        // Inside braces a '}' of the value is written twice.
        if (open != u'{' || end + 1 >= text.size() || text[end + 1] != u'}') break;
        value += u'}';
        ++end;
      }
      lastUnquoted = false;
      pos = text.find(u';', end);
      pos = pos == std::u16string_view::npos ? text.size() : pos + 1;
    } else {
      const size_t end = text.find(u';', pos);
      value = Trim(text.substr(pos, end == std::u16string_view::npos ? std::u16string_view::npos : end - pos));
      lastUnquoted = true;
      pos = end == std::u16string_view::npos ? text.size() : end + 1;
    }
    result.attributes_.emplace_back(key, std::move(value));
  }
  return result;
}

std::optional<std::u16string> ConnectionString::Value(std::u16string_view key) const {
  for (const auto& [k, v] : attributes_)
    if (SameName(k, key)) return v;
  return std::nullopt;
}

std::u16string ConnectionString::WorkbookPath() const {
  if (auto dbq = Value(u"DBQ"); dbq && !dbq->empty()) return *dbq;
  return Value(u"CREATE_DB").value_or(u"");
}

OpenOptions ConnectionString::Options() const {
  OpenOptions options;
  options.readOnly = IsTrue(Value(u"READONLY").value_or(u""));
  options.createIfMissing = !options.readOnly && Value(u"CREATE_DB").has_value();
  return options;
}

}  // namespace xls
