#include "Database.h"

#include <fstream>
#include <stdexcept>

#include "AsciiCase.h"
#include "DatabaseParser.h"
#include "textcodec/Utf8.h"

namespace notesdb {

namespace {

std::ifstream OpenFile(const std::filesystem::path& file) {
    std::error_code error;
    std::ifstream in;
    if (std::filesystem::is_regular_file(file, error)) in.open(file, std::ios::binary);
    if (!in) throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be opened");
    return in;
}

// The lines before the first folder or note: all that the title needs.
std::string ReadHeader(const std::filesystem::path& file) {
    std::ifstream in = OpenFile(file);
    std::string header, line;
    while (std::getline(in, line)) {
        const size_t start = line.find_first_not_of(" \t");
        const size_t end = line.find_first_of(" \t\r", start);
        const std::string_view word = start == std::string::npos ? std::string_view()
                                      : std::string_view(line).substr(start, end == std::string::npos ? end : end - start);
        if (word == "folder" || word == "note") break;
        header += line;
        header += '\n';
    }
    if (in.bad()) throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be read");
    return header;
}

std::string SourceName(const std::filesystem::path& file) { return textcodec::Utf8::FromPath(file.filename()); }

}  // namespace

Database Database::Parse(std::string bytes, const std::string& source) {
    return DatabaseParser(std::move(bytes), source).Run();
}

Database Database::Load(const std::filesystem::path& file) {
    return DatabaseParser(std::make_unique<MappedFile>(file), SourceName(file)).Run();
}

std::string Database::LoadTitle(const std::filesystem::path& file) {
    Database header = DatabaseParser(ReadHeader(file), SourceName(file)).Run();
    return std::string(header.Title());
}

std::optional<uint32_t> Database::Failure(FailList fails, Operation operation) const {
    for (uint32_t i = 0; i < fails.count; ++i) {
        const FailMarker& marker = markers_[fails.first + i];
        if (marker.operation == operation) return marker.status;
    }
    return std::nullopt;
}

const Folder* Database::FindFolder(std::string_view name) const {
    const auto it = folderIndex_.find(name);
    return it == folderIndex_.end() ? nullptr : &folders_[it->second];
}

std::span<const uint32_t> Database::EntryIndexes(const Folder& folder) const {
    return std::span<const uint32_t>(entries_).subspan(folder.firstEntry, folder.entryCount);
}

const Note& Database::EntryNote(const Folder& folder, size_t entry) const {
    return notes_[entries_.at(folder.firstEntry + entry)];
}

const Note* Database::FindNote(uint32_t id) const {
    const auto it = noteIndex_.find(id);
    return it == noteIndex_.end() ? nullptr : &notes_[it->second];
}

std::span<const Item> Database::Items(const Note& note) const {
    return std::span<const Item>(items_).subspan(note.firstItem, note.itemCount);
}

const Item* Database::FindItem(const Note& note, std::string_view name) const {
    for (const Item& item : Items(note))
        if (AsciiCase::Equal(item.name, name)) return &item;
    return nullptr;
}

std::span<const Attachment> Database::Attachments(const Note& note) const {
    return std::span<const Attachment>(attachments_).subspan(note.firstAttachment, note.attachmentCount);
}

}  // namespace notesdb
