#include <stdexcept>
#include <system_error>

#include "LNInternals.h"
#include "notesdb/ParseError.h"
#include "textcodec/Utf8.h"

using notesdb::Operation;

void LNLoadDatabase(LNDatabaseBody& body) {
    if (body.db) return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(body.file, error))
        LNFail(LNERR_FILE_NOT_FOUND, textcodec::Utf8::FromPath(body.file));
    std::shared_ptr<const notesdb::Database> db;
    try {
        db = std::make_shared<const notesdb::Database>(notesdb::Database::Load(body.file));
    } catch (const notesdb::ParseError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        LNFail(LNERR_FILE_NOT_FOUND, e.what());
    }
    LNCheckMarker(*db, db->Fails(), Operation::Lookup);
    body.db = std::move(db);
}

namespace {

LNDatabaseBody& OpenBody(const std::shared_ptr<LNDatabaseBody>& body) {
    LNDatabaseBody& b = LNDeref(body);
    if (!b.open) LNFail(LNERR_NOT_OPEN, "database " + b.notesPath);
    return b;
}

std::string_view View(const LNString& s) {
    return {s.GetBuf(), s.GetBufLength()};
}

}  // namespace

LNDatabase::LNDatabase() = default;
LNDatabase::LNDatabase(const LNDatabase&) = default;
LNDatabase& LNDatabase::operator=(const LNDatabase&) = default;
LNDatabase::~LNDatabase() = default;

LNSTATUS LNDatabase::RawOpen() {
    return LNRun([&] {
        LNDatabaseBody& b = LNDeref(body_);
        LNLoadDatabase(b);
        LNCheckMarker(*b.db, b.db->Fails(), Operation::Open);
        b.open = true;
    });
}

LNSTATUS LNDatabase::RawClose() {
    return LNRun([&] {
        LNDatabaseBody& b = LNDeref(body_);
        if (!b.open) return;
        LNCheckMarker(*b.db, b.db->Fails(), Operation::Close);
        b.open = false;
    });
}

LNBOOL LNDatabase::IsOpen() const {
    return body_ && body_->open ? 1 : 0;
}

LNSTATUS LNDatabase::RawGetViewFolders(LNViewFolderArray* folders, LNBOOL) const {
    return LNRun([&] {
        if (!folders) LNFail(LNERR_BAD_ARGUMENT);
        LNDatabaseBody& b = OpenBody(body_);
        LNCheckMarker(*b.db, b.db->Fails(), Operation::Folders);
        auto array = std::make_shared<LNArrayBody>();
        array->folders.reserve(b.db->Folders().size());
        for (const notesdb::Folder& folder : b.db->Folders()) {
            LNViewFolder handle;
            LNInternals::Body(handle) = std::make_shared<LNFolderBody>(LNFolderBody{body_, b.db, &folder, false});
            array->folders.push_back(std::move(handle));
        }
        LNInternals::Body(*folders) = std::move(array);
    });
}

LNSTATUS LNDatabase::RawViewFolderExists(const LNString& name, LNBOOL* out) const {
    return LNRunInto(out, [&] {
        const LNDatabaseBody& b = OpenBody(body_);
        return b.db->FindFolder(View(name)) ? 1 : 0;
    });
}

LNSTATUS LNDatabase::RawGetViewFolder(const LNString& name, LNViewFolder* folder) const {
    return LNRun([&] {
        if (!folder) LNFail(LNERR_BAD_ARGUMENT);
        const LNDatabaseBody& b = OpenBody(body_);
        const notesdb::Folder* found = b.db->FindFolder(View(name));
        if (!found) LNFail(LNERR_VIEW_NOT_FOUND, std::string(View(name)));
        LNCheckMarker(*b.db, found->fails, Operation::Lookup);
        LNInternals::Body(*folder) = std::make_shared<LNFolderBody>(LNFolderBody{body_, b.db, found, false});
    });
}

LNSTATUS LNDatabase::RawGetFilename(LNString* out) const {
    return LNRunInto(out, [&] {
        const std::string& path = LNDeref(body_).notesPath;
        const size_t slash = path.find_last_of("\\/:");
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        return LNString(name.data(), name.size());
    });
}

LNSTATUS LNDatabase::RawGetFilepath(LNString* out) const {
    return LNRunInto(out, [&] {
        const std::string& path = LNDeref(body_).notesPath;
        return LNString(path.data(), path.size());
    });
}

LNSTATUS LNDatabase::RawGetTitle(LNString* out) const {
    return LNRunInto(out, [&] {
        const LNDatabaseBody& b = OpenBody(body_);
        return LNString(b.db->Title().data(), b.db->Title().size());
    });
}

LNDatabaseArray::LNDatabaseArray() = default;
LNDatabaseArray::LNDatabaseArray(const LNDatabaseArray&) = default;
LNDatabaseArray& LNDatabaseArray::operator=(const LNDatabaseArray&) = default;
LNDatabaseArray::~LNDatabaseArray() = default;

LNINT LNDatabaseArray::GetCount() const { return LNArrayCount(body_, &LNArrayBody::databases); }

LNSTATUS LNDatabaseArray::RawAt(LNINT index, LNDatabase* out) const {
    return LNArrayAt(body_, &LNArrayBody::databases, index, out);
}
