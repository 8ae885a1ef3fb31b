#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace notesdb {

// A database or servers file that cannot be read: names the file and the line.
class ParseError : public std::runtime_error {
public:
    ParseError(const std::string& source, uint32_t line, const std::string& message);
    uint32_t Line() const { return line_; }
    const std::string& Reason() const { return reason_; }

private:
    uint32_t line_;
    std::string reason_;
};

}  // namespace notesdb
