#pragma once
#include <cstdint>
#include <string_view>

#include "Failure.h"

namespace notesdb {

// A document: its note id, its universal id when the file gives one, and ranges in
// the database's item and attachment lists.
struct Note {
    uint32_t id = 0;
    std::string_view unid;  // 32 hex digits, or empty
    uint32_t firstItem = 0;
    uint32_t itemCount = 0;
    uint32_t firstAttachment = 0;
    uint32_t attachmentCount = 0;
    FailList fails;
};

}  // namespace notesdb
