#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace notesdb {

// Operations that a "fail" marker can make fail. Which ones apply depends on the
// record the marker follows (see FORMAT.md).
enum class Operation : uint8_t {
    Lookup,       // database, folder, note: finding it by path, name or entry
    Open,         // database, folder, note
    Folders,      // database: listing its view folders
    Close,        // database, folder, note
    Refresh,      // note: reloading it from its handle
    Attachments,  // note: listing its attachments
    Read,         // item: fetching it; attachment: reading its name and size
    Text,         // item: reading its text
    Export,       // rich-text item: exporting it to a file
    Detach,       // attachment: writing its content to a file
    Servers,      // servers file: listing the servers
    Databases,    // server: listing its databases
};

std::optional<Operation> OperationFromName(std::string_view name);
std::string_view OperationName(Operation operation);

// The markers of one record: a range in the database's marker list.
struct FailList {
    uint32_t first = 0;
    uint32_t count = 0;
};

struct FailMarker {
    Operation operation;
    uint32_t status;  // the Notes status code the operation throws
};

}  // namespace notesdb
