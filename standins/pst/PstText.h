#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pst {

// Text as the file stores it: UTF-16LE in Unicode files, Windows-1252 in ANSI files.
class PstText {
public:
    static std::vector<uint8_t> encode(const std::string& utf8, bool unicode);
    static std::string decode(const std::vector<uint8_t>& data, bool unicode);
};

}
