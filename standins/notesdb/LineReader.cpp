#include "LineReader.h"

#include <cstring>

#include "ParseError.h"
#include "textcodec/Utf8.h"

namespace notesdb {

namespace {

uint32_t LineOfOffset(std::string_view text, size_t offset) {
    uint32_t line = 1;
    for (size_t i = 0; i < offset; ++i)
        if (text[i] == '\n') ++line;
    return line;
}

}  // namespace

LineReader::LineReader(std::string_view text, const std::string& source) : text_(text) {
    if (const void* nul = text_.empty() ? nullptr : std::memchr(text_.data(), '\0', text_.size())) {
        const size_t at = static_cast<size_t>(static_cast<const char*>(nul) - text_.data());
        throw ParseError(source, LineOfOffset(text_, at), "holds a NUL byte");
    }
    if (const size_t bad = textcodec::Utf8::FindInvalid(text_); bad != std::string_view::npos)
        throw ParseError(source, LineOfOffset(text_, bad), "is not valid UTF-8");
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

bool LineReader::Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const void* nl = std::memchr(text_.data() + pos_, '\n', text_.size() - pos_);
    const size_t end = nl ? static_cast<size_t>(static_cast<const char*>(nl) - text_.data()) : text_.size();
    line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    ++line_;
    return true;
}

std::string_view LineReader::Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace notesdb
