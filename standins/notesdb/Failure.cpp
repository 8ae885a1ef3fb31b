#include "Failure.h"

#include <array>

namespace notesdb {

namespace {

constexpr std::array<std::string_view, 12> names = {"lookup",  "open", "folders", "close",  "refresh", "attachments",
                                                     "read",    "text", "export",  "detach", "servers", "databases"};

}  // namespace

std::optional<Operation> OperationFromName(std::string_view name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<Operation>(i);
    return std::nullopt;
}

std::string_view OperationName(Operation operation) { return names[static_cast<size_t>(operation)]; }

}  // namespace notesdb
