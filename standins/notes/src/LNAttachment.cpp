#include <limits>

#include "LNInternals.h"
#include "textcodec/Utf8.h"

using notesdb::Operation;

namespace {

const notesdb::Attachment& Readable(const std::shared_ptr<LNAttachmentBody>& body) {
    const LNAttachmentBody& b = LNDeref(body);
    LNCheckMarker(*b.db, b.attachment->fails, Operation::Read);
    return *b.attachment;
}

}  // namespace

LNAttachment::LNAttachment() = default;
LNAttachment::LNAttachment(const LNAttachment&) = default;
LNAttachment& LNAttachment::operator=(const LNAttachment&) = default;
LNAttachment::~LNAttachment() = default;

LNSTATUS LNAttachment::RawGetAttachmentName(LNString* out) const {
    return LNRunInto(out, [&] {
        const std::string_view name = Readable(body_).name;
        return LNString(name.data(), name.size());
    });
}

LNSTATUS LNAttachment::RawGetFileSize(LNINT* out) const {
    return LNRunInto(out, [&] {
        const uint64_t size = Readable(body_).size;
        constexpr uint64_t largest = std::numeric_limits<LNINT>::max();
        return static_cast<LNINT>(size > largest ? largest : size);
    });
}

LNSTATUS LNAttachment::RawDetach(const LNString& path) const {
    return LNRun([&] {
        const LNAttachmentBody& b = LNDeref(body_);
        LNCheckMarker(*b.db, b.attachment->fails, Operation::Detach);
        const std::string_view target(path.GetBuf(), path.GetBufLength());
        if (target.empty() || !textcodec::Utf8::IsValid(target)) LNFail(LNERR_BAD_ARGUMENT, "detach path");
        LNWriteFile(textcodec::Utf8::ToPath(target), b.attachment->Content());
    });
}

LNAttachmentArray::LNAttachmentArray() = default;
LNAttachmentArray::LNAttachmentArray(const LNAttachmentArray&) = default;
LNAttachmentArray& LNAttachmentArray::operator=(const LNAttachmentArray&) = default;
LNAttachmentArray::~LNAttachmentArray() = default;

LNINT LNAttachmentArray::GetCount() const { return LNArrayCount(body_, &LNArrayBody::attachments); }

LNSTATUS LNAttachmentArray::RawAt(LNINT index, LNAttachment* out) const {
    return LNArrayAt(body_, &LNArrayBody::attachments, index, out);
}
