#include <cstdlib>
#include <cstring>
#include <new>

#include "lnapi.h"

namespace {

char* CopyText(const char* text, size_t bytes) {
    char* copy = static_cast<char*>(std::malloc(bytes + 1));
    if (!copy) throw std::bad_alloc();
    if (bytes) std::memcpy(copy, text, bytes);
    copy[bytes] = '\0';
    return copy;
}

}  // namespace

LNString::LNString() : text_(CopyText("", 0)), length_(0) {}

LNString::LNString(const char* text) : LNString(text, text ? std::strlen(text) : 0) {}

LNString::LNString(const char* text, size_t bytes) : text_(CopyText(text ? text : "", text ? bytes : 0)),
                                                      length_(text ? bytes : 0) {}

LNString::LNString(const LNString& other) : text_(CopyText(other.text_, other.length_)), length_(other.length_) {}

LNString& LNString::operator=(const LNString& other) {
    if (this != &other) {
        char* copy = CopyText(other.text_, other.length_);
        std::free(text_);
        text_ = copy;
        length_ = other.length_;
    }
    return *this;
}

LNString::~LNString() {
    std::free(text_);
}

const char* LNString::GetBuf() const { return text_; }
size_t LNString::GetBufLength() const { return length_; }
const char* LNString::GetPlatformTextPtr() const { return text_; }
bool LNString::IsEmpty() const { return length_ == 0; }

bool LNString::operator==(const LNString& other) const {
    return length_ == other.length_ && std::memcmp(text_, other.text_, length_) == 0;
}
