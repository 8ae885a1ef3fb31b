#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace notesdb {

// Walks the lines of a text file that must be UTF-8 without NUL bytes (a leading
// byte-order mark is skipped). Lines come without their CR LF or LF.
class LineReader {
public:
    // Throws ParseError when the text is not UTF-8 or holds a NUL byte.
    LineReader(std::string_view text, const std::string& source);

    bool Next(std::string_view& line);
    uint32_t LineNumber() const { return line_; }
    size_t Offset() const { return pos_; }  // where the next line starts
    std::string_view Text() const { return text_; }
    void SetLineNumber(uint32_t line) { line_ = line; }

    // Without leading and trailing blanks.
    static std::string_view Trim(std::string_view s);

private:
    std::string_view text_;
    size_t pos_ = 0;
    uint32_t line_ = 0;
};

}  // namespace notesdb
