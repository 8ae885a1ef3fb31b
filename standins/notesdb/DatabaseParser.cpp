#include "DatabaseParser.h"

#include <charconv>
#include <cmath>

#include "ParseError.h"

namespace notesdb {

namespace {

bool IsHex(std::string_view s) {
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool IsNumber(std::string_view s) {
    double v = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    return error == std::errc() && end == s.data() + s.size() && std::isfinite(v);
}

struct TypeName {
    std::string_view name;
    ItemType type;
};

constexpr TypeName typeNames[] = {
    {"text", ItemType::Text},         {"textlist", ItemType::TextList},
    {"number", ItemType::Number},     {"numberlist", ItemType::NumberList},
    {"datetime", ItemType::Datetime}, {"datetimelist", ItemType::DatetimeList},
    {"richtext", ItemType::RichText},
};

// Operations a marker may name, by the record it follows.
bool Applies(Operation op, uint8_t record, bool richText) {
    switch (record) {
    case 0: return op == Operation::Lookup || op == Operation::Open || op == Operation::Folders || op == Operation::Close;
    case 1: return op == Operation::Lookup || op == Operation::Open || op == Operation::Close;
    case 2:
        return op == Operation::Lookup || op == Operation::Open || op == Operation::Close || op == Operation::Refresh ||
               op == Operation::Attachments;
    case 3: return op == Operation::Read || op == Operation::Text || (op == Operation::Export && richText);
    case 4: return op == Operation::Read || op == Operation::Detach;
    }
    return false;
}

constexpr const char* recordNames[] = {"a database", "a folder", "a note", "an item", "an attachment"};

// Reserving the record lists up front spares large files repeated regrowth; lines
// inside blocks may be counted too, which only reserves a little more.
void ReserveRecords(std::string_view text, std::vector<Note>& notes, std::vector<Item>& items) {
    size_t noteLines = 0, itemLines = 0;
    for (size_t pos = 0; pos < text.size();) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        const std::string_view rest = text.substr(pos, 5);
        itemLines += rest == "item ";
        noteLines += rest == "note ";
        const size_t nl = text.find('\n', pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    notes.reserve(noteLines);
    items.reserve(itemLines);
}

}  // namespace

std::unique_ptr<Database::Storage> DatabaseParser::MakeStorage(std::string bytes, std::unique_ptr<MappedFile> file) {
    auto storage = std::make_unique<Database::Storage>();
    storage->bytes = std::move(bytes);
    storage->mapped = std::move(file);
    storage->text = storage->mapped ? storage->mapped->Bytes() : std::string_view(storage->bytes);
    return storage;
}

DatabaseParser::DatabaseParser(std::string bytes, std::string source)
    : storage_(MakeStorage(std::move(bytes), nullptr)), source_(std::move(source)), lines_(storage_->text, source_) {}

DatabaseParser::DatabaseParser(std::unique_ptr<MappedFile> file, std::string source)
    : storage_(MakeStorage({}, std::move(file))), source_(std::move(source)), lines_(storage_->text, source_) {}

void DatabaseParser::Fail(const std::string& message) const {
    throw ParseError(source_, lines_.LineNumber(), message);
}

Database DatabaseParser::Run() {
    ReserveRecords(storage_->text, db_.notes_, db_.items_);
    std::string_view line;
    while (lines_.Next(line)) {
        const std::string_view content = LineReader::Trim(line);
        if (content.empty() || content.front() == '#') continue;
        if (!headerSeen_) {
            ParseHeader(content);
            continue;
        }
        ParseLine(content);
    }
    if (!headerSeen_) {
        lines_.SetLineNumber(1);
        Fail("not a notesdb database: the first line must be \"notesdb 1\"");
    }
    ResolveEntries();
    db_.storage_ = std::move(storage_);
    return std::move(db_);
}

void DatabaseParser::ParseHeader(std::string_view content) {
    LineLexer lexer(content, source_, lines_.LineNumber());
    const auto magic = lexer.Next();
    if (!magic || magic->kind != Token::Kind::Word || magic->raw != "notesdb")
        Fail("not a notesdb database: the first line must be \"notesdb 1\"");
    const auto version = lexer.Next();
    if (!version || version->raw != "1" || !lexer.AtEnd())
        Fail("format version not supported: the first line must be \"notesdb 1\"");
    headerSeen_ = true;
}

void DatabaseParser::ParseLine(std::string_view content) {
    LineLexer lexer(content, source_, lines_.LineNumber());
    const Token keyword = *lexer.Next();
    if (keyword.kind != Token::Kind::Word) Fail("a line must start with a record name");
    const std::string_view k = keyword.raw;
    if (k == "title") return ParseTitle(lexer);
    if (k == "fail") return ParseFail(lexer);
    if (k == "folder") return ParseFolder(lexer);
    if (k == "entries") return ParseEntries(lexer);
    if (k == "note") return ParseNote(lexer);
    if (k == "unid") return ParseUnid(lexer);
    if (k == "item") return ParseItem(lexer);
    if (k == "rtf") return ParseRtf(lexer);
    if (k == "attachment") return ParseAttachment(lexer);
    Fail("unknown record \"" + std::string(k) + "\"");
}

Token DatabaseParser::Expect(LineLexer& lexer, const char* what) {
    const auto token = lexer.Next();
    if (!token) Fail(std::string(what) + " is missing");
    if (token->kind == Token::Kind::Block) Fail(std::string(what) + " cannot be a block");
    return *token;
}

void DatabaseParser::ExpectEnd(LineLexer& lexer) {
    if (!lexer.AtEnd()) Fail("unexpected \"" + std::string(lexer.Rest()) + "\" at the end of the line");
}

uint32_t DatabaseParser::ReadNumber(LineLexer& lexer, const char* what) {
    const Token token = Expect(lexer, what);
    const auto value = LineLexer::Number(token);
    if (!value) Fail(std::string(what) + " \"" + std::string(token.raw) + "\" is not a number from 0 to 4294967295");
    return *value;
}

std::string_view DatabaseParser::Intern(const Token& token) {
    if (token.kind == Token::Kind::Word) return token.raw;
    const std::string_view inner = token.raw.substr(1, token.raw.size() - 2);
    if (inner.find('\\') == std::string_view::npos) return inner;
    return storage_->decoded.emplace_back(LineLexer::Text(token));
}

Value DatabaseParser::ReadTextValue(LineLexer& lexer, const char* what) {
    const auto token = lexer.Next();
    if (!token) Fail(std::string(what) + " is missing");
    ExpectEnd(lexer);
    if (token->kind == Token::Kind::Block) return Value{ReadBlock(token->raw), Value::Form::Block};
    return Value{token->raw, Value::Form::Tokens};
}

std::string_view DatabaseParser::ReadBlock(std::string_view tag) {
    const uint32_t startLine = lines_.LineNumber();
    const size_t start = lines_.Offset();
    std::string_view line;
    for (;;) {
        const size_t lineStart = lines_.Offset();
        if (!lines_.Next(line)) {
            lines_.SetLineNumber(startLine);
            Fail("block <<" + std::string(tag) + " is not closed by a line \"" + std::string(tag) + "\"");
        }
        if (LineReader::Trim(line) == tag) {
            std::string_view content = lines_.Text().substr(start, lineStart - start);
            if (content.ends_with('\n')) content.remove_suffix(1);
            if (content.ends_with('\r')) content.remove_suffix(1);
            return content;
        }
    }
}

FailList& DatabaseParser::CurrentFails() {
    switch (record_) {
    case Record::Database: return db_.fails_;
    case Record::Folder: return db_.folders_.back().fails;
    case Record::Note: return db_.notes_.back().fails;
    case Record::Item: return db_.items_.back().fails;
    case Record::Attachment: return db_.attachments_.back().fails;
    }
    return db_.fails_;
}

void DatabaseParser::ParseTitle(LineLexer& lexer) {
    if (record_ != Record::Database) Fail("title belongs before the first folder or note");
    if (titleSeen_) Fail("title is given twice");
    db_.title_ = Intern(Expect(lexer, "title"));
    ExpectEnd(lexer);
    titleSeen_ = true;
}

void DatabaseParser::ParseFail(LineLexer& lexer) {
    const Token name = Expect(lexer, "operation");
    const auto op = OperationFromName(name.raw);
    const auto record = static_cast<uint8_t>(record_);
    const bool richText = record_ == Record::Item && db_.items_.back().Is(ItemType::RichText);
    if (!op || !Applies(*op, record, richText))
        Fail("\"" + std::string(name.raw) + "\" is not an operation that can fail on " + recordNames[record]);
    const uint32_t status = ReadNumber(lexer, "status");
    if (status == 0) Fail("status 0 means success; a failure needs a non-zero status");
    ExpectEnd(lexer);
    FailList& fails = CurrentFails();
    if (db_.Failure(fails, *op)) Fail("fail " + std::string(name.raw) + " is given twice");
    if (fails.count == 0) fails.first = static_cast<uint32_t>(db_.markers_.size());
    db_.markers_.push_back({*op, status});
    ++fails.count;
}

void DatabaseParser::ParseFolder(LineLexer& lexer) {
    Folder folder;
    folder.name = Intern(Expect(lexer, "folder name"));
    if (folder.name.empty()) Fail("folder name is empty");
    while (auto flag = lexer.Next()) {
        if (flag->raw != "calendar" || flag->kind != Token::Kind::Word)
            Fail("unknown folder flag \"" + std::string(flag->raw) + "\"");
        folder.calendar = true;
    }
    const auto index = static_cast<uint32_t>(db_.folders_.size());
    if (!db_.folderIndex_.emplace(folder.name, index).second)
        Fail("folder \"" + std::string(folder.name) + "\" is given twice");
    folder.firstEntry = static_cast<uint32_t>(db_.entries_.size());
    db_.folders_.push_back(folder);
    record_ = Record::Folder;
}

void DatabaseParser::ParseEntries(LineLexer& lexer) {
    if (record_ != Record::Folder) Fail("entries belong to a folder");
    if (lexer.AtEnd()) Fail("entries needs at least one note id");
    while (!lexer.AtEnd()) {
        db_.entries_.push_back(ReadNumber(lexer, "note id"));
        entryLines_.push_back(lines_.LineNumber());
        ++db_.folders_.back().entryCount;
    }
}

void DatabaseParser::ParseNote(LineLexer& lexer) {
    Note note;
    note.id = ReadNumber(lexer, "note id");
    if (note.id == 0) Fail("note id 0 is not allowed");
    ExpectEnd(lexer);
    if (!db_.noteIndex_.emplace(note.id, static_cast<uint32_t>(db_.notes_.size())).second)
        Fail("note " + std::to_string(note.id) + " is given twice");
    note.firstItem = static_cast<uint32_t>(db_.items_.size());
    note.firstAttachment = static_cast<uint32_t>(db_.attachments_.size());
    db_.notes_.push_back(note);
    record_ = Record::Note;
}

void DatabaseParser::ParseUnid(LineLexer& lexer) {
    if (record_ != Record::Note) Fail("unid belongs right after its note line");
    Note& note = db_.notes_.back();
    if (!note.unid.empty()) Fail("unid is given twice");
    const Token token = Expect(lexer, "unid");
    if (token.kind != Token::Kind::Word || token.raw.size() != 32 || !IsHex(token.raw))
        Fail("unid must be 32 hex digits");
    ExpectEnd(lexer);
    note.unid = token.raw;
}

void DatabaseParser::ParseItem(LineLexer& lexer) {
    if (record_ == Record::Database || record_ == Record::Folder) Fail("item belongs to a note");
    Item item;
    item.name = Intern(Expect(lexer, "item name"));
    if (item.name.empty()) Fail("item name is empty");
    const Token typeToken = Expect(lexer, "item type");
    const std::string_view typeName = typeToken.raw;
    if (typeName == "other") {
        const uint32_t code = ReadNumber(lexer, "type code");
        ExpectEnd(lexer);
        for (const TypeName& t : typeNames)
            if (code == static_cast<uint32_t>(t.type)) Fail("type code " + std::to_string(code) + " is \"" + std::string(t.name) + "\": use that name");
        if (code == 0 || code > 0xFFFF) Fail("type code must be from 1 to 0xFFFF");
        item.typeCode = static_cast<uint16_t>(code);
    } else {
        const TypeName* type = nullptr;
        for (const TypeName& t : typeNames)
            if (t.name == typeName) type = &t;
        if (!type) Fail("unknown item type \"" + std::string(typeName) + "\"");
        item.typeCode = static_cast<uint16_t>(type->type);
        switch (type->type) {
        case ItemType::Text:
            item.values = ReadTextValue(lexer, "text value");
            item.valueCount = 1;
            break;
        case ItemType::RichText:
            if (!lexer.AtEnd()) {
                item.values = ReadTextValue(lexer, "rich text");
                item.valueCount = 1;
            }
            break;
        default: {
            item.values = Value{lexer.Rest(), Value::Form::Tokens};
            const bool single = type->type == ItemType::Number || type->type == ItemType::Datetime;
            while (auto token = lexer.Next()) {
                if (token->kind == Token::Kind::Block) Fail("a list item cannot take a block; put its values on the line");
                ++item.valueCount;
                if (type->type == ItemType::TextList) continue;
                if (token->kind != Token::Kind::Word) Fail("\"" + std::string(token->raw) + "\" must not be quoted");
                const bool number = type->type == ItemType::Number || type->type == ItemType::NumberList;
                if (number && !IsNumber(token->raw)) Fail("\"" + std::string(token->raw) + "\" is not a number");
                if (!number && !DateTime::Parse(token->raw))
                    Fail("\"" + std::string(token->raw) + "\" is not a date-time such as 2026-03-15T09:30:00+01:00");
            }
            if (single && item.valueCount != 1) Fail(std::string(typeName) + " takes exactly one value");
        }
        }
    }
    db_.items_.push_back(item);
    ++db_.notes_.back().itemCount;
    record_ = Record::Item;
}

void DatabaseParser::ParseRtf(LineLexer& lexer) {
    if (record_ != Record::Item || !db_.items_.back().Is(ItemType::RichText)) Fail("rtf belongs right after a richtext item");
    Item& item = db_.items_.back();
    if (item.hasRtf) Fail("rtf is given twice");
    item.rtf = ReadTextValue(lexer, "rtf text");
    item.hasRtf = true;
}

void DatabaseParser::ParseAttachment(LineLexer& lexer) {
    if (record_ == Record::Database || record_ == Record::Folder) Fail("attachment belongs to a note");
    Attachment attachment;
    attachment.name = Intern(Expect(lexer, "attachment name"));
    if (attachment.name.empty()) Fail("attachment name is empty");
    const Token encoding = Expect(lexer, "encoding");
    if (encoding.raw == "text") {
        attachment.encoding = ByteCodec::Encoding::Text;
    } else if (encoding.raw == "base64") {
        attachment.encoding = ByteCodec::Encoding::Base64;
    } else if (encoding.raw == "hex") {
        attachment.encoding = ByteCodec::Encoding::Hex;
    } else {
        Fail("unknown encoding \"" + std::string(encoding.raw) + "\" (text, base64 or hex)");
    }
    const uint32_t line = lines_.LineNumber();
    attachment.content = ReadTextValue(lexer, "attachment content");
    std::string scratch;
    const auto size = ByteCodec::DecodedSize(attachment.encoding, attachment.content.FirstTextView(scratch));
    if (!size) {
        lines_.SetLineNumber(line);
        Fail("content of \"" + std::string(attachment.name) + "\" is not valid " + std::string(encoding.raw));
    }
    attachment.size = *size;
    db_.attachments_.push_back(attachment);
    ++db_.notes_.back().attachmentCount;
    record_ = Record::Attachment;
}

void DatabaseParser::ResolveEntries() {
    for (size_t i = 0; i < db_.entries_.size(); ++i) {
        const auto it = db_.noteIndex_.find(db_.entries_[i]);
        if (it == db_.noteIndex_.end()) {
            lines_.SetLineNumber(entryLines_[i]);
            Fail("entry " + std::to_string(db_.entries_[i]) + " names no note");
        }
        db_.entries_[i] = it->second;
    }
}

}  // namespace notesdb
