#pragma once
#include <stdexcept>
#include <string>

namespace pst {

// Every failure of the PST library: the text says what is wrong with the file or the call.
class PstError : public std::runtime_error {
public:
    explicit PstError(const std::string& what) : std::runtime_error(what) {}
};

}
