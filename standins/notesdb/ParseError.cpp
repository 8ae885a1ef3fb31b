#include "ParseError.h"

namespace notesdb {

ParseError::ParseError(const std::string& source, uint32_t line, const std::string& message)
    : std::runtime_error(source + " line " + std::to_string(line) + ": " + message), line_(line), reason_(message) {}

}  // namespace notesdb
