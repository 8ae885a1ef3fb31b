#include "LNInternals.h"

using notesdb::Operation;

namespace {

// A folder may be used while its database is open.
LNFolderBody& Live(const std::shared_ptr<LNFolderBody>& body) {
    LNFolderBody& b = LNDeref(body);
    if (!b.database || !b.database->open) LNFail(LNERR_NOT_OPEN, "database " + (b.database ? b.database->notesPath : ""));
    return b;
}

}  // namespace

LNViewFolder::LNViewFolder() = default;
LNViewFolder::LNViewFolder(const LNViewFolder&) = default;
LNViewFolder& LNViewFolder::operator=(const LNViewFolder&) = default;
LNViewFolder::~LNViewFolder() = default;

LNSTATUS LNViewFolder::RawOpen(LNINT) {
    return LNRun([&] {
        LNFolderBody& b = Live(body_);
        LNCheckMarker(*b.db, b.folder->fails, Operation::Open);
        b.open = true;
    });
}

LNSTATUS LNViewFolder::RawClose() {
    return LNRun([&] {
        LNFolderBody& b = LNDeref(body_);
        if (!b.open) return;
        LNCheckMarker(*b.db, b.folder->fails, Operation::Close);
        b.open = false;
    });
}

LNBOOL LNViewFolder::IsOpen() const {
    return body_ && body_->open ? 1 : 0;
}

LNSTATUS LNViewFolder::RawIsCalendar(LNBOOL* out) const {
    return LNRunInto(out, [&] { return LNDeref(body_).folder->calendar ? 1 : 0; });
}

LNSTATUS LNViewFolder::RawGetEntryCount(LNINT* out) const {
    return LNRunInto(out, [&] { return static_cast<LNINT>(LNDeref(body_).folder->entryCount); });
}

LNSTATUS LNViewFolder::RawGetName(LNString* out) const {
    return LNRunInto(out, [&] {
        const std::string_view name = LNDeref(body_).folder->name;
        return LNString(name.data(), name.size());
    });
}

LNSTATUS LNViewFolder::RawAt(LNINT index, LNVFEntry* out) const {
    return LNRunInto(out, [&] {
        LNFolderBody& b = Live(body_);
        if (!b.open) LNFail(LNERR_NOT_OPEN, "folder " + std::string(b.folder->name));
        LNCheckIndex(index, b.folder->entryCount);
        LNVFEntry entry;
        LNInternals::Folder(entry) = body_;
        LNInternals::Index(entry) = index;
        return entry;
    });
}

LNViewFolderArray::LNViewFolderArray() = default;
LNViewFolderArray::LNViewFolderArray(const LNViewFolderArray&) = default;
LNViewFolderArray& LNViewFolderArray::operator=(const LNViewFolderArray&) = default;
LNViewFolderArray::~LNViewFolderArray() = default;

LNINT LNViewFolderArray::GetCount() const { return LNArrayCount(body_, &LNArrayBody::folders); }

LNSTATUS LNViewFolderArray::RawAt(LNINT index, LNViewFolder* out) const {
    return LNArrayAt(body_, &LNArrayBody::folders, index, out);
}

LNVFEntry::LNVFEntry() = default;
LNVFEntry::LNVFEntry(const LNVFEntry&) = default;
LNVFEntry& LNVFEntry::operator=(const LNVFEntry&) = default;
LNVFEntry::~LNVFEntry() = default;

LNSTATUS LNVFEntry::RawGetDocument(LNDocument* document) const {
    return LNRun([&] {
        if (!document) LNFail(LNERR_BAD_ARGUMENT);
        LNFolderBody& b = Live(folder_);
        const notesdb::Note& note = b.db->EntryNote(*b.folder, LNCheckIndex(index_, b.folder->entryCount));
        LNCheckMarker(*b.db, note.fails, Operation::Lookup);
        LNInternals::Body(*document) = std::make_shared<LNNoteBody>(LNNoteBody{b.db, &note, false});
    });
}

LNSTATUS LNVFEntry::RawGetNoteID(LNNOTEID* out) const {
    return LNRunInto(out, [&] {
        LNFolderBody& b = Live(folder_);
        return b.db->EntryNote(*b.folder, LNCheckIndex(index_, b.folder->entryCount)).id;
    });
}
