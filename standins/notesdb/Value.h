#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notesdb {

// Where a value stands in the file, decoded only when asked for: the tokens of
// a line (checked when the file was read), or the verbatim text of a block.
struct Value {
    enum class Form : uint8_t { Tokens, Block };
    std::string_view raw;
    Form form = Form::Tokens;

    // Every word or string token as text (a block is one text).
    std::vector<std::string> Texts() const;
    // The first text, or "" when there is none.
    std::string FirstText() const;
    // The same without a copy where the file holds it as it stands; scratch keeps
    // the decoded text otherwise.
    std::string_view FirstTextView(std::string& scratch) const;
};

}  // namespace notesdb
