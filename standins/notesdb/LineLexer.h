#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace notesdb {

// One token of a line: a bare word, a quoted string, or the start of a block
// ("<<TAG", whose text is the following lines up to a line holding TAG alone).
struct Token {
    enum class Kind : uint8_t { Word, String, Block };
    Kind kind = Kind::Word;
    std::string_view raw;  // the word, the string with its quotes, or the block's tag
};

// Splits one line of a database or servers file into tokens. A malformed quoted
// string throws ParseError naming the source and line given.
class LineLexer {
public:
    LineLexer(std::string_view line, const std::string& source, uint32_t lineNumber);

    std::optional<Token> Next();
    bool AtEnd();
    // What is left of the line, without leading blanks.
    std::string_view Rest();
    // Throws ParseError with this lexer's line.
    [[noreturn]] void Fail(const std::string& message) const;

    // The text of a word or a quoted string that Next() returned.
    static std::string Text(const Token& token);
    // A word holding an unsigned 32-bit number, decimal or 0x hex.
    static std::optional<uint32_t> Number(const Token& token);

private:
    void SkipBlanks();
    std::string_view line_;
    size_t pos_ = 0;
    const std::string& source_;
    uint32_t lineNumber_;
};

}  // namespace notesdb
