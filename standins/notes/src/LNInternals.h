#pragma once
// What the handles of the API refer to, and the one place where failures become
// statuses (returned or thrown, as the caller asked).
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lnapi.h"
#include "notesdb/DataDirectory.h"
#include "notesdb/Database.h"

struct LNDatabaseBody {
    std::string notesPath;  // the path it was looked up by
    std::string server;
    std::filesystem::path file;
    std::shared_ptr<const notesdb::Database> db;  // set once loaded
    bool open = false;
};

struct LNFolderBody {
    std::shared_ptr<LNDatabaseBody> database;
    std::shared_ptr<const notesdb::Database> db;
    const notesdb::Folder* folder = nullptr;
    bool open = false;
};

struct LNNoteBody {
    std::shared_ptr<const notesdb::Database> db;
    const notesdb::Note* note = nullptr;
    bool open = false;
};

struct LNItemBody {
    std::shared_ptr<const notesdb::Database> db;  // null for a list made by the library
    const notesdb::Item* item = nullptr;
    std::vector<std::string> texts;  // the values of a list made by the library
};

struct LNAttachmentBody {
    std::shared_ptr<const notesdb::Database> db;
    const notesdb::Attachment* attachment = nullptr;
};

struct LNArrayBody {
    std::vector<LNDatabase> databases;
    std::vector<LNViewFolder> folders;
    std::vector<LNAttachment> attachments;
};

// A failure inside the library: its status and what went wrong in words.
struct LNFailure {
    LNSTATUS status;
    std::string detail;
};

[[noreturn]] void LNFail(LNSTATUS status, std::string detail = {});
// Throws the status of a failure marker that the record carries for the operation.
void LNCheckMarker(const notesdb::Database& db, notesdb::FailList fails, notesdb::Operation operation);
// Maps the exception in flight to a status and keeps its details for the error text.
LNSTATUS LNStatusOfCurrentException();

// Runs a call; a failure comes back as its status. Nothing is thrown out of the
// library: the header's inline members throw in the caller's module.
template <class F>
LNSTATUS LNRun(F&& call) {
    try {
        call();
        return LNNOERROR;
    } catch (...) {
        return LNStatusOfCurrentException();
    }
}

// Runs a call that answers a value into out.
template <class T, class F>
LNSTATUS LNRunInto(T* out, F&& call) {
    return LNRun([&] {
        if (!out) LNFail(LNERR_BAD_ARGUMENT);
        *out = call();
    });
}

// Reach into the handles' bodies.
struct LNInternals {
    static std::shared_ptr<LNDatabaseBody>& Body(LNDatabase& d) { return d.body_; }
    static const std::shared_ptr<LNDatabaseBody>& Body(const LNDatabase& d) { return d.body_; }
    static std::shared_ptr<LNFolderBody>& Body(LNViewFolder& f) { return f.body_; }
    static const std::shared_ptr<LNFolderBody>& Body(const LNViewFolder& f) { return f.body_; }
    static std::shared_ptr<LNNoteBody>& Body(LNNote& n) { return n.body_; }
    static const std::shared_ptr<LNNoteBody>& Body(const LNNote& n) { return n.body_; }
    static std::shared_ptr<LNItemBody>& Body(LNItem& i) { return i.body_; }
    static const std::shared_ptr<LNItemBody>& Body(const LNItem& i) { return i.body_; }
    static int Accepted(const LNItem& i) { return i.accepted_; }
    static std::shared_ptr<LNAttachmentBody>& Body(LNAttachment& a) { return a.body_; }
    static const std::shared_ptr<LNAttachmentBody>& Body(const LNAttachment& a) { return a.body_; }
    static std::shared_ptr<LNArrayBody>& Body(LNDatabaseArray& a) { return a.body_; }
    static std::shared_ptr<LNArrayBody>& Body(LNViewFolderArray& a) { return a.body_; }
    static std::shared_ptr<LNArrayBody>& Body(LNAttachmentArray& a) { return a.body_; }
    static const std::shared_ptr<LNArrayBody>& Body(const LNDatabaseArray& a) { return a.body_; }
    static const std::shared_ptr<LNArrayBody>& Body(const LNViewFolderArray& a) { return a.body_; }
    static const std::shared_ptr<LNArrayBody>& Body(const LNAttachmentArray& a) { return a.body_; }
    static std::shared_ptr<LNFolderBody>& Folder(LNVFEntry& e) { return e.folder_; }
    static const std::shared_ptr<LNFolderBody>& Folder(const LNVFEntry& e) { return e.folder_; }
    static LNINT& Index(LNVFEntry& e) { return e.index_; }
    static LNINT Index(const LNVFEntry& e) { return e.index_; }
    static const void*& Owner(LNRTCursor& c) { return c.owner_; }
    static const void* Owner(const LNRTCursor& c) { return c.owner_; }
    static size_t& Position(LNRTCursor& c) { return c.position_; }
    static size_t Position(const LNRTCursor& c) { return c.position_; }
    static LNDatetime FromValue(const notesdb::DateTime& value);
};

// Checks that a handle refers to something.
template <class Body>
Body& LNDeref(const std::shared_ptr<Body>& body) {
    if (!body) LNFail(LNERR_NULL_OBJECT);
    return *body;
}

// Index check for the arrays and lists.
size_t LNCheckIndex(LNINT index, size_t count);

// The array classes over one list of their body: its size (0 for an empty handle),
// and one of its handles by index.
template <class T>
LNINT LNArrayCount(const std::shared_ptr<LNArrayBody>& body, std::vector<T> LNArrayBody::*list) {
    return body ? static_cast<LNINT>(((*body).*list).size()) : 0;
}
template <class T>
LNSTATUS LNArrayAt(const std::shared_ptr<LNArrayBody>& body, std::vector<T> LNArrayBody::*list, LNINT index, T* out) {
    return LNRunInto(out, [&] {
        const std::vector<T>& items = LNDeref(body).*list;
        return items[LNCheckIndex(index, items.size())];
    });
}
// Writes bytes to a file (LNERR_FILE_WRITE when it cannot).
void LNWriteFile(const std::filesystem::path& path, std::string_view bytes);

// The data directory of the started session (LNERR_NO_SESSION before Initialize).
std::shared_ptr<const notesdb::DataDirectory> LNSessionDirectory();
// Reads the database file of a located database once (marker "lookup" applies).
void LNLoadDatabase(LNDatabaseBody& body);
