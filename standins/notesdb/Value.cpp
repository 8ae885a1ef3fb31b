#include "Value.h"

#include "LineLexer.h"

namespace notesdb {

namespace {
const std::string checkedSource = "value";
}

std::vector<std::string> Value::Texts() const {
    if (form == Form::Block) return {std::string(raw)};
    std::vector<std::string> texts;
    LineLexer lexer(raw, checkedSource, 0);
    while (auto token = lexer.Next()) texts.push_back(LineLexer::Text(*token));
    return texts;
}

std::string Value::FirstText() const {
    if (form == Form::Block) return std::string(raw);
    LineLexer lexer(raw, checkedSource, 0);
    auto token = lexer.Next();
    return token ? LineLexer::Text(*token) : std::string();
}

std::string_view Value::FirstTextView(std::string& scratch) const {
    if (form == Form::Block) return raw;
    LineLexer lexer(raw, checkedSource, 0);
    const auto token = lexer.Next();
    if (!token) return {};
    if (token->kind == Token::Kind::String && token->raw.find('\\') == std::string_view::npos)
        return token->raw.substr(1, token->raw.size() - 2);
    if (token->kind != Token::Kind::String) return token->raw;
    scratch = LineLexer::Text(*token);
    return scratch;
}

}  // namespace notesdb
