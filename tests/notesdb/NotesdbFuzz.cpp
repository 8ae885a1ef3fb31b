// Feeds arbitrary bytes to the database reader and, when they parse, decodes
// every value, as the Notes API layer would. Inputs that start like a servers
// file go to the data directory reader instead.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "notesdb/DataDirectory.h"
#include "notesdb/Database.h"

namespace {

void ReadServersFile(std::string_view text) {
    static const std::filesystem::path dir = std::filesystem::temp_directory_path() / "notesdb_fuzz_datadir";
    std::filesystem::create_directories(dir / "srv");
    std::ofstream(dir / notesdb::DataDirectory::ServersFileName, std::ios::binary | std::ios::trunc) << text;
    const notesdb::DataDirectory data = notesdb::DataDirectory::Open(dir);
    for (const notesdb::Server& server : data.Servers()) data.Databases(server);
}

void ReadDatabase(std::string_view text) {
    const notesdb::Database db = notesdb::Database::Parse(std::string(text), "fuzz.nsf");
    for (const notesdb::Folder& folder : db.Folders())
        for (size_t i = 0; i < folder.entryCount; ++i) db.EntryNote(folder, i);
    for (const notesdb::Note& note : db.Notes()) {
        for (const notesdb::Item& item : db.Items(note)) {
            item.Texts();
            item.Numbers();
            item.Datetimes();
            item.Rtf();
            db.Failure(item.fails, notesdb::Operation::Read);
        }
        for (const notesdb::Attachment& attachment : db.Attachments(note))
            if (attachment.Content().size() != attachment.size) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        if (text.starts_with("notesdb-servers"))
            ReadServersFile(text);
        else
            ReadDatabase(text);
    } catch (const std::exception&) {
        // A clear error is the expected answer to malformed input.
    }
    return 0;
}
