#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "ByteCodec.h"
#include "Failure.h"
#include "Value.h"

namespace notesdb {

// A file attached to a document: its name and its content as the file encodes it.
struct Attachment {
    std::string_view name;
    Value content;
    uint64_t size = 0;  // decoded size in bytes
    ByteCodec::Encoding encoding = ByteCodec::Encoding::Text;
    FailList fails;

    std::string Content() const;  // the decoded bytes
};

}  // namespace notesdb
