#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Database.h"
#include "LineLexer.h"
#include "LineReader.h"

namespace notesdb {

// Builds a Database from the text format in one pass over the lines. Every check
// happens here, so the model's lazy decoding later cannot meet bad input.
class DatabaseParser {
public:
    DatabaseParser(std::string bytes, std::string source);
    DatabaseParser(std::unique_ptr<MappedFile> file, std::string source);
    Database Run();

private:
    enum class Record : uint8_t { Database, Folder, Note, Item, Attachment };

    void ParseLine(std::string_view line);
    void ParseHeader(std::string_view line);
    void ParseTitle(LineLexer& lexer);
    void ParseFail(LineLexer& lexer);
    void ParseFolder(LineLexer& lexer);
    void ParseEntries(LineLexer& lexer);
    void ParseNote(LineLexer& lexer);
    void ParseUnid(LineLexer& lexer);
    void ParseItem(LineLexer& lexer);
    void ParseRtf(LineLexer& lexer);
    void ParseAttachment(LineLexer& lexer);
    void ResolveEntries();
    static std::unique_ptr<Database::Storage> MakeStorage(std::string bytes, std::unique_ptr<MappedFile> file);

    // A single text value: one string or word token, or a block that ends the line.
    Value ReadTextValue(LineLexer& lexer, const char* what);
    std::string_view ReadBlock(std::string_view tag);
    std::string_view Intern(const Token& token);
    Token Expect(LineLexer& lexer, const char* what);
    void ExpectEnd(LineLexer& lexer);
    uint32_t ReadNumber(LineLexer& lexer, const char* what);
    FailList& CurrentFails();
    [[noreturn]] void Fail(const std::string& message) const;

    Database db_;
    std::unique_ptr<Database::Storage> storage_;
    std::string source_;
    LineReader lines_;
    bool headerSeen_ = false;
    bool titleSeen_ = false;
    Record record_ = Record::Database;
    std::vector<uint32_t> entryLines_;  // line of each entry, for unresolved ids
};

}  // namespace notesdb
