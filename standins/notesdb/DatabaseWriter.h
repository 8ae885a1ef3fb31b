#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "DateTime.h"
#include "Failure.h"

namespace notesdb {

// Writes a database in the text format, one record per call, in file order: the
// title and database markers, then folders and notes. Texts must be UTF-8 without NUL.
class DatabaseWriter {
public:
    explicit DatabaseWriter(std::ostream& out);

    void Comment(std::string_view text);
    void Title(std::string_view title);
    // Applies to the record written last.
    void Fail(Operation operation, uint32_t status);
    void Folder(std::string_view name, bool calendar);
    void Entries(std::span<const uint32_t> noteIds);
    void Note(uint32_t id, std::string_view unid = {});
    void Text(std::string_view name, std::string_view text);
    void TextList(std::string_view name, std::span<const std::string> texts);
    void Number(std::string_view name, double number);
    void Datetime(std::string_view name, const DateTime& value);
    void DatetimeList(std::string_view name, std::span<const DateTime> values);
    void RichText(std::string_view name, std::string_view plainText, std::optional<std::string_view> rtf);
    void Attachment(std::string_view name, std::string_view bytes);

    // A quoted string with escapes.
    static std::string Quote(std::string_view text);
    // A bare word where the text allows one (names mostly do), else a quoted string.
    static std::string Word(std::string_view text);

private:
    // A quoted string, or a block for multi-line text, then the line end.
    void WriteValue(std::string_view text);
    std::ostream& out_;
};

}  // namespace notesdb
