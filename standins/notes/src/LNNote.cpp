#include "LNInternals.h"

using notesdb::ItemType;
using notesdb::Operation;

namespace {

const LNNoteBody& OpenNote(const std::shared_ptr<LNNoteBody>& body) {
    const LNNoteBody& b = LNDeref(body);
    if (!b.open) LNFail(LNERR_NOT_OPEN, "document " + std::to_string(b.note->id));
    return b;
}

const notesdb::Item* Find(const LNNoteBody& b, const LNString& name) {
    return b.db->FindItem(*b.note, std::string_view(name.GetBuf(), name.GetBufLength()));
}

// Whether an item object of the given kind takes an item of this type.
bool Suits(int accepted, const notesdb::Item& item) {
    switch (accepted) {
    case 1: return item.Is(ItemType::Text) || item.Is(ItemType::TextList);
    case 2: return item.Is(ItemType::Datetime) || item.Is(ItemType::DatetimeList);
    case 3: return item.Is(ItemType::RichText);
    default: return true;
    }
}

}  // namespace

LNNote::LNNote() = default;
LNNote::LNNote(const LNNote&) = default;
LNNote& LNNote::operator=(const LNNote&) = default;
LNNote::~LNNote() = default;

LNSTATUS LNNote::RawOpen(LNINT) {
    return LNRun([&] {
        LNNoteBody& b = LNDeref(body_);
        LNCheckMarker(*b.db, b.note->fails, Operation::Open);
        b.open = true;
    });
}

LNSTATUS LNNote::RawClose() {
    return LNRun([&] {
        LNNoteBody& b = LNDeref(body_);
        if (!b.open) return;
        LNCheckMarker(*b.db, b.note->fails, Operation::Close);
        b.open = false;
    });
}

LNBOOL LNNote::IsOpen() const {
    return body_ && body_->open ? 1 : 0;
}

LNSTATUS LNNote::RawRefreshObjectFromNoteHandle() {
    return LNRun([&] {
        const LNNoteBody& b = OpenNote(body_);
        LNCheckMarker(*b.db, b.note->fails, Operation::Refresh);
    });
}

LNNOTEID LNNote::GetNoteID() const {
    return body_ ? body_->note->id : 0;
}

LNSTATUS LNNote::RawHasItem(const LNString& name, LNBOOL* out) const {
    return LNRunInto(out, [&] { return Find(OpenNote(body_), name) ? 1 : 0; });
}

LNSTATUS LNNote::RawGetItem(const LNString& name, LNItem* item) const {
    return LNRun([&] {
        if (!item) LNFail(LNERR_BAD_ARGUMENT);
        const LNNoteBody& b = OpenNote(body_);
        const notesdb::Item* found = Find(b, name);
        if (!found) LNFail(LNERR_ITEM_NOT_FOUND, std::string(name.GetBuf(), name.GetBufLength()));
        LNCheckMarker(*b.db, found->fails, Operation::Read);
        if (!Suits(LNInternals::Accepted(*item), *found))
            LNFail(LNERR_WRONG_ITEM_TYPE, std::string(name.GetBuf(), name.GetBufLength()));
        LNInternals::Body(*item) = std::make_shared<LNItemBody>(LNItemBody{b.db, found, {}});
    });
}

LNSTATUS LNNote::RawGetItemType(const LNString& name, LNITEMTYPE* out) const {
    return LNRunInto(out, [&] {
        const notesdb::Item* found = Find(OpenNote(body_), name);
        return found ? static_cast<LNITEMTYPE>(found->typeCode) : static_cast<LNITEMTYPE>(LNITEMTYPE_NONE);
    });
}

LNSTATUS LNNote::RawGetAttachments(LNAttachmentArray* attachments) const {
    return LNRun([&] {
        if (!attachments) LNFail(LNERR_BAD_ARGUMENT);
        const LNNoteBody& b = OpenNote(body_);
        LNCheckMarker(*b.db, b.note->fails, Operation::Attachments);
        auto array = std::make_shared<LNArrayBody>();
        for (const notesdb::Attachment& attachment : b.db->Attachments(*b.note)) {
            LNAttachment handle;
            LNInternals::Body(handle) = std::make_shared<LNAttachmentBody>(LNAttachmentBody{b.db, &attachment});
            array->attachments.push_back(std::move(handle));
        }
        LNInternals::Body(*attachments) = std::move(array);
    });
}

LNDocument::LNDocument() = default;
LNDocument::LNDocument(const LNDocument&) = default;
LNDocument& LNDocument::operator=(const LNDocument&) = default;
LNDocument::~LNDocument() = default;
