#include "LineLexer.h"

#include <charconv>

#include "ParseError.h"
#include "textcodec/Utf8.h"

namespace notesdb {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the four hex digits of a \u escape at s[pos]; -1 when malformed.
long Hex4(std::string_view s, size_t pos) {
    if (s.size() < pos + 4) return -1;
    long v = 0;
    for (size_t k = 0; k < 4; ++k) {
        const int d = HexDigit(s[pos + k]);
        if (d < 0) return -1;
        v = v * 16 + d;
    }
    return v;
}

// Decodes a quoted string (quotes included). Returns an error text, or empty on
// success; out may be null when only checking.
std::string Unquote(std::string_view raw, std::string* out) {
    const std::string_view body = raw.substr(1, raw.size() - 2);
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c != '\\') {
            if (out) *out += c;
            continue;
        }
        if (++i == body.size()) return "string ends in a lone backslash";
        switch (body[i]) {
        case '\\': if (out) *out += '\\'; break;
        case '"': if (out) *out += '"'; break;
        case 'n': if (out) *out += '\n'; break;
        case 'r': if (out) *out += '\r'; break;
        case 't': if (out) *out += '\t'; break;
        case 'u': {
            long cp = Hex4(body, i + 1);
            if (cp < 0) return "\\u needs four hex digits";
            i += 4;
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                const long low = body.size() > i + 2 && body[i + 1] == '\\' && body[i + 2] == 'u' ? Hex4(body, i + 3) : -1;
                if (low < 0xDC00 || low > 0xDFFF) return "\\u escape is an unpaired surrogate";
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 6;
            } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                return "\\u escape is an unpaired surrogate";
            }
            if (cp == 0) return "\\u0000 is not allowed";
            if (out) textcodec::Utf8::Append(*out, static_cast<char32_t>(cp));
            break;
        }
        default:
            return std::string("unknown escape \\") + body[i];
        }
    }
    return {};
}

}  // namespace

LineLexer::LineLexer(std::string_view line, const std::string& source, uint32_t lineNumber)
    : line_(line), source_(source), lineNumber_(lineNumber) {}

void LineLexer::SkipBlanks() {
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
}

bool LineLexer::AtEnd() {
    SkipBlanks();
    return pos_ >= line_.size();
}

std::string_view LineLexer::Rest() {
    SkipBlanks();
    return line_.substr(pos_);
}

void LineLexer::Fail(const std::string& message) const { throw ParseError(source_, lineNumber_, message); }

std::optional<Token> LineLexer::Next() {
    if (AtEnd()) return std::nullopt;
    const size_t start = pos_;
    Token token;
    if (line_[pos_] == '"') {
        ++pos_;
        while (pos_ < line_.size() && line_[pos_] != '"') pos_ += line_[pos_] == '\\' ? 2 : 1;
        if (pos_ >= line_.size()) Fail("string is not closed on its line");
        ++pos_;
        token.kind = Token::Kind::String;
        token.raw = line_.substr(start, pos_ - start);
        const std::string error = Unquote(token.raw, nullptr);
        if (!error.empty()) Fail(error);
        if (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t') Fail("text follows a closing quote");
        return token;
    }
    while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t') ++pos_;
    token.raw = line_.substr(start, pos_ - start);
    if (token.raw.starts_with("<<")) {
        token.kind = Token::Kind::Block;
        token.raw.remove_prefix(2);
        if (token.raw.empty()) Fail("block needs a closing tag after <<");
    }
    return token;
}

std::string LineLexer::Text(const Token& token) {
    if (token.kind != Token::Kind::String) return std::string(token.raw);
    std::string out;
    out.reserve(token.raw.size());
    Unquote(token.raw, &out);
    return out;
}

}  // namespace notesdb

namespace notesdb {

std::optional<uint32_t> LineLexer::Number(const Token& token) {
    if (token.kind != Token::Kind::Word) return std::nullopt;
    std::string_view s = token.raw;
    int base = 10;
    if (s.starts_with("0x") || s.starts_with("0X")) {
        s.remove_prefix(2);
        base = 16;
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

}  // namespace notesdb
