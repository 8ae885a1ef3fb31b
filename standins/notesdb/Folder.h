#pragma once
#include <cstdint>
#include <string_view>

#include "Failure.h"

namespace notesdb {

// A view or folder: its name (levels of nested folders separated by backslashes),
// whether it is a calendar, and its entries (a range in the database's entry list).
struct Folder {
    std::string_view name;
    bool calendar = false;
    uint32_t firstEntry = 0;
    uint32_t entryCount = 0;
    FailList fails;
};

}  // namespace notesdb
