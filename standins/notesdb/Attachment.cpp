#include "Attachment.h"

namespace notesdb {

std::string Attachment::Content() const {
    std::string scratch;
    return ByteCodec::Decode(encoding, content.FirstTextView(scratch));
}

}  // namespace notesdb
