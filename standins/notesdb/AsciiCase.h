#pragma once
#include <string>
#include <string_view>

namespace notesdb {

// ASCII letters without case, as Notes compares item names, server names and file
// extensions; other bytes are kept as they are.
class AsciiCase {
public:
    static std::string Lower(std::string_view text);
    static bool Equal(std::string_view a, std::string_view b);
};

}  // namespace notesdb
