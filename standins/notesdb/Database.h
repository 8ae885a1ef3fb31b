#pragma once
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Attachment.h"
#include "Failure.h"
#include "Folder.h"
#include "Item.h"
#include "MappedFile.h"
#include "Note.h"

namespace notesdb {

// A database read from our text format. It keeps the file's bytes and points into
// them; values are decoded when asked for. Read-only once built, so threads may
// share one.
class Database {
public:
    // Throws ParseError (file name and line) for malformed input.
    static Database Parse(std::string bytes, const std::string& source);
    // Throws std::runtime_error when the file cannot be read, ParseError when it is malformed.
    static Database Load(const std::filesystem::path& file);
    // The title alone, read from the lines before the first folder or note.
    static std::string LoadTitle(const std::filesystem::path& file);

    Database(Database&&) noexcept = default;
    Database& operator=(Database&&) noexcept = default;

    std::string_view Title() const { return title_; }
    FailList Fails() const { return fails_; }
    std::optional<uint32_t> Failure(FailList fails, Operation operation) const;

    std::span<const Folder> Folders() const { return folders_; }
    const Folder* FindFolder(std::string_view name) const;
    std::span<const uint32_t> EntryIndexes(const Folder& folder) const;  // indexes into Notes()
    const Note& EntryNote(const Folder& folder, size_t entry) const;

    std::span<const Note> Notes() const { return notes_; }
    const Note* FindNote(uint32_t id) const;
    std::span<const Item> Items(const Note& note) const;
    // Item names compare as Notes compares them: ASCII letters case-blind. The first
    // item of that name when a document has several.
    const Item* FindItem(const Note& note, std::string_view name) const;
    std::span<const Attachment> Attachments(const Note& note) const;

private:
    friend class DatabaseParser;
    Database() = default;

    struct Storage {
        std::string bytes;                    // text handed in, or
        std::unique_ptr<MappedFile> mapped;   // the file mapped into memory
        std::string_view text;                // whichever of the two holds it
        std::deque<std::string> decoded;      // names that needed unescaping
    };
    std::unique_ptr<Storage> storage_;
    std::string_view title_;
    FailList fails_;
    std::vector<Folder> folders_;
    std::vector<Note> notes_;
    std::vector<Item> items_;
    std::vector<Attachment> attachments_;
    std::vector<uint32_t> entries_;
    std::vector<FailMarker> markers_;
    std::unordered_map<std::string_view, uint32_t> folderIndex_;
    std::unordered_map<uint32_t, uint32_t> noteIndex_;
};

}  // namespace notesdb
