#pragma once
// The Notes object API as Orbalin uses it: sessions, databases, view folders,
// documents, items and attachments. Notes text (LNString) is UTF-8 here.
//
// Every call answers a status (0 = success). After LNSetThrowAllErrorsGlobal(TRUE)
// a failing call throws its status (an LNSTATUS) instead of returning it; calls that
// answer a value then throw too (without throw mode they answer an empty value).
// LNStringTranslate and the "more text" answer of LNRichText::GetText are reports,
// never thrown.
#include <cstddef>
#include <cstdint>
#include <memory>

#ifdef LNAPI_BUILDING
#define LNAPI_EXPORT __declspec(dllexport)
#else
#define LNAPI_EXPORT __declspec(dllimport)
#endif

using LNSTATUS = uint32_t;
using LNBOOL = int;
using LNINT = int32_t;
using LNNOTEID = uint32_t;
using LNITEMTYPE = uint16_t;

constexpr LNSTATUS LNNOERROR = 0;

// Statuses of the library's own failures (failure markers of a database may name any
// other non-zero status).
enum : LNSTATUS {
    LNERR_NO_SESSION = 0xD0000101,        // the session was not started
    LNERR_DATA_DIRECTORY = 0xD0000102,    // the data directory is missing or unusable
    LNERR_FILE_NOT_FOUND = 0xD0000103,    // no database file at that path
    LNERR_DATABASE_DAMAGED = 0xD0000104,  // the database file cannot be read
    LNERR_NOT_OPEN = 0xD0000105,          // the object must be opened first
    LNERR_VIEW_NOT_FOUND = 0xD0000106,
    LNERR_ITEM_NOT_FOUND = 0xD0000107,
    LNERR_WRONG_ITEM_TYPE = 0xD0000108,
    LNERR_INDEX = 0xD0000109,             // array index out of range
    LNERR_SERVER_NOT_FOUND = 0xD000010A,
    LNERR_NOTE_NOT_FOUND = 0xD000010B,
    LNERR_NULL_OBJECT = 0xD000010C,       // the object refers to nothing
    LNERR_FILE_WRITE = 0xD000010D,
    LNERR_TRANSLATE = 0xD000010E,         // text that cannot be translated
    LNERR_BUFFER_TOO_SMALL = 0xD000010F,
    LNERR_BAD_ARGUMENT = 0xD0000110,
    LNERR_NO_MEMORY = 0xD0000111,
    LNERR_INTERNAL = 0xD0000112,
    // Rich text read in pieces: this piece was read and more text follows.
    LNWARN_MORE_TEXT = 0xD000014F,
};

// Item types as GetItemType reports them.
enum : LNITEMTYPE {
    LNITEMTYPE_NONE = 0,
    LNITEMTYPE_RICHTEXT = 0x0001,
    LNITEMTYPE_NUMBERS = 0x0300,
    LNITEMTYPE_NUMBERLIST = 0x0301,
    LNITEMTYPE_DATETIMES = 0x0400,
    LNITEMTYPE_DATETIMELIST = 0x0401,
    LNITEMTYPE_TEXT = 0x0500,
    LNITEMTYPE_TEXTLIST = 0x0501,
};

enum LNCHARSET { LNCHARSET_UNICODE = 1 };  // UTF-16, the platform's byte order

// Piece size of LNRichText::GetText, in bytes of Notes text.
constexpr size_t LNRICHTEXT_PIECE = 60000;

LNAPI_EXPORT void LNSetThrowAllErrorsGlobal(LNBOOL flag);
LNAPI_EXPORT LNBOOL LNGetThrowAllErrorsGlobal();
// Copies the text of a status, in the platform's ANSI code page, into the buffer (always
// NUL-terminated when size > 0, cut when it does not fit); answers the length of the full
// text.
LNAPI_EXPORT size_t LNGetErrorMessageText(LNSTATUS status, char* buffer, size_t size);

// A failed call's status is thrown here, in the caller's module, when throw mode is
// on: exceptions never cross the library boundary, whose runtimes are separate.
inline LNSTATUS LNThrowIfFailed(LNSTATUS status) {
    if (status != LNNOERROR && status != LNWARN_MORE_TEXT && LNGetThrowAllErrorsGlobal()) throw status;
    return status;
}

// The value an exported call fills in through its last parameter; an empty value when
// the call fails without throw mode.
template <typename T, typename Object, typename... Params, typename... Args>
T LNValueOf(const Object& object, LNSTATUS (Object::*raw)(Params...) const, const Args&... args) {
    T value{};
    LNThrowIfFailed((object.*raw)(args..., &value));
    return value;
}

class LNString;
// Notes text to the Unicode set: fails with LNERR_BUFFER_TOO_SMALL when the text and
// its terminating NUL do not fit into bufferBytes (nothing is written past them).
LNAPI_EXPORT LNSTATUS LNStringTranslate(const LNString& text, LNCHARSET to, void* buffer, size_t bufferBytes);
// Unicode text of the given byte length to Notes text.
LNAPI_EXPORT LNSTATUS LNStringTranslate(const void* text, size_t bytes, LNCHARSET from, LNString* result);

class LNAPI_EXPORT LNString {
public:
    LNString();
    LNString(const char* text);  // NOLINT: Notes text literals convert
    LNString(const char* text, size_t bytes);
    LNString(const LNString& other);
    LNString& operator=(const LNString& other);
    ~LNString();

    const char* GetBuf() const;        // NUL-terminated
    size_t GetBufLength() const;       // bytes, without the NUL
    const char* GetPlatformTextPtr() const;
    bool IsEmpty() const;
    bool operator==(const LNString& other) const;

private:
    char* text_;
    size_t length_;
};

class LNAPI_EXPORT LNDatetime {
public:
    LNDatetime();
    LNSTATUS SetDate(LNINT month, LNINT day, LNINT year) { return LNThrowIfFailed(RawSetDate(month, day, year)); }
    LNSTATUS SetTime(LNINT hour, LNINT minute, LNINT second, LNINT hundredths) {
        return LNThrowIfFailed(RawSetTime(hour, minute, second, hundredths));
    }
    LNINT GetYear() const;
    LNINT GetMonth() const;
    LNINT GetDay() const;
    LNINT GetHour() const;
    LNINT GetMinute() const;
    LNINT GetSecond() const;
    LNINT GetHundredths() const;
    // "2026-03-15 09:30:00 +01:00"; a date alone or a time alone without the rest.
    LNSTATUS GetText(LNString* text) const { return LNThrowIfFailed(RawGetText(text)); }
    bool HasDate() const;
    bool HasTime() const;
    bool operator==(const LNDatetime& other) const;

private:
    friend struct LNInternals;
    int16_t year_ = 0;
    uint8_t month_ = 0, day_ = 0, hour_ = 0, minute_ = 0, second_ = 0, hundredths_ = 0;
    bool hasDate_ = false, hasTime_ = false, hasZone_ = false;
    int16_t zoneMinutes_ = 0;

    // Exported calls behind the inline members.
    LNSTATUS RawSetDate(LNINT month, LNINT day, LNINT year);
    LNSTATUS RawSetTime(LNINT hour, LNINT minute, LNINT second, LNINT hundredths);
    LNSTATUS RawGetText(LNString* text) const;
};

struct LNDatabaseBody;
struct LNFolderBody;
struct LNNoteBody;
struct LNItemBody;
struct LNAttachmentBody;
struct LNArrayBody;
class LNDatabase;
class LNDatabaseArray;
class LNViewFolder;
class LNViewFolderArray;
class LNVFEntry;
class LNDocument;
class LNItem;
class LNText;
class LNAttachmentArray;

// A session with the data directory beside the library. The objects it gives are
// handles: copies refer to the same database, folder or document.
class LNAPI_EXPORT LNNotesSession {
public:
    LNNotesSession();
    ~LNNotesSession();
    LNSTATUS Initialize(int argc = 0, char** argv = nullptr, LNINT apiVersion = 300) {
        return LNThrowIfFailed(RawInitialize(argc, argv, apiVersion));
    }
    LNSTATUS Term();
    LNSTATUS InitThread();
    LNSTATUS TermThread();
    LNBOOL IsInitialized() const;
    // An empty server names a local file: relative to the data directory, or absolute.
    LNSTATUS GetDatabase(const LNString& path, LNDatabase* database, const LNString& server = LNString()) const {
        return LNThrowIfFailed(RawGetDatabase(path, database, server));
    }
    LNSTATUS GetServerNames(LNText* names) const { return LNThrowIfFailed(RawGetServerNames(names)); }
    // Every database of the server; the directory and the options are not used.
    LNSTATUS GetDatabases(LNDatabaseArray* databases, const LNString& server, const LNString& directory,
                          LNINT options) const {
        return LNThrowIfFailed(RawGetDatabases(databases, server, directory, options));
    }

private:
    LNSTATUS RawInitialize(int argc, char** argv, LNINT apiVersion);
    LNSTATUS RawGetServerNames(LNText* names) const;
    LNSTATUS RawGetDatabase(const LNString& path, LNDatabase* database, const LNString& server) const;
    LNSTATUS RawGetDatabases(LNDatabaseArray* databases, const LNString& server, const LNString& directory,
                             LNINT options) const;
};

class LNAPI_EXPORT LNDatabase {
public:
    LNDatabase();
    LNDatabase(const LNDatabase& other);
    LNDatabase& operator=(const LNDatabase& other);
    ~LNDatabase();
    LNSTATUS Open() { return LNThrowIfFailed(RawOpen()); }
    LNSTATUS Close() { return LNThrowIfFailed(RawClose()); }
    LNBOOL IsOpen() const;
    LNSTATUS GetViewFolders(LNViewFolderArray* folders, LNBOOL includeFolders = 1) const {
        return LNThrowIfFailed(RawGetViewFolders(folders, includeFolders));
    }
    LNBOOL ViewFolderExists(const LNString& name) const {
        return LNValueOf<LNBOOL>(*this, &LNDatabase::RawViewFolderExists, name);
    }
    LNSTATUS GetViewFolder(const LNString& name, LNViewFolder* folder) const {
        return LNThrowIfFailed(RawGetViewFolder(name, folder));
    }
    LNString GetFilename() const {  // the file name alone
        return LNValueOf<LNString>(*this, &LNDatabase::RawGetFilename);
    }
    LNString GetFilepath() const {  // the path it was looked up by
        return LNValueOf<LNString>(*this, &LNDatabase::RawGetFilepath);
    }
    LNString GetTitle() const { return LNValueOf<LNString>(*this, &LNDatabase::RawGetTitle); }

private:
    friend struct LNInternals;
    std::shared_ptr<LNDatabaseBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawOpen();
    LNSTATUS RawClose();
    LNSTATUS RawGetViewFolders(LNViewFolderArray* folders, LNBOOL includeFolders) const;
    LNSTATUS RawViewFolderExists(const LNString& name, LNBOOL* value) const;
    LNSTATUS RawGetViewFolder(const LNString& name, LNViewFolder* folder) const;
    LNSTATUS RawGetFilename(LNString* value) const;
    LNSTATUS RawGetFilepath(LNString* value) const;
    LNSTATUS RawGetTitle(LNString* value) const;
};

class LNAPI_EXPORT LNDatabaseArray {
public:
    LNDatabaseArray();
    LNDatabaseArray(const LNDatabaseArray& other);
    LNDatabaseArray& operator=(const LNDatabaseArray& other);
    ~LNDatabaseArray();
    LNINT GetCount() const;
    LNDatabase operator[](LNINT index) const {  // throws LNERR_INDEX out of range
        return LNValueOf<LNDatabase>(*this, &LNDatabaseArray::RawAt, index);
    }

private:
    friend struct LNInternals;
    std::shared_ptr<LNArrayBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawAt(LNINT index, LNDatabase* value) const;
};

class LNAPI_EXPORT LNVFEntry {
public:
    LNVFEntry();
    LNVFEntry(const LNVFEntry& other);
    LNVFEntry& operator=(const LNVFEntry& other);
    ~LNVFEntry();
    LNSTATUS GetDocument(LNDocument* document) const { return LNThrowIfFailed(RawGetDocument(document)); }
    LNNOTEID GetNoteID() const { return LNValueOf<LNNOTEID>(*this, &LNVFEntry::RawGetNoteID); }

private:
    friend struct LNInternals;
    std::shared_ptr<LNFolderBody> folder_;
    LNINT index_ = -1;

    // Exported calls behind the inline members.
    LNSTATUS RawGetDocument(LNDocument* document) const;
    LNSTATUS RawGetNoteID(LNNOTEID* value) const;
};

class LNAPI_EXPORT LNViewFolder {
public:
    LNViewFolder();
    LNViewFolder(const LNViewFolder& other);
    LNViewFolder& operator=(const LNViewFolder& other);
    ~LNViewFolder();
    LNSTATUS Open(LNINT flags = 0) { return LNThrowIfFailed(RawOpen(flags)); }
    LNSTATUS Close() { return LNThrowIfFailed(RawClose()); }
    LNBOOL IsOpen() const;
    LNBOOL IsCalendar() const { return LNValueOf<LNBOOL>(*this, &LNViewFolder::RawIsCalendar); }
    LNINT GetEntryCount() const { return LNValueOf<LNINT>(*this, &LNViewFolder::RawGetEntryCount); }
    LNString GetName() const { return LNValueOf<LNString>(*this, &LNViewFolder::RawGetName); }
    LNVFEntry operator[](LNINT index) const {  // the folder must be open
        return LNValueOf<LNVFEntry>(*this, &LNViewFolder::RawAt, index);
    }

private:
    friend struct LNInternals;
    std::shared_ptr<LNFolderBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawOpen(LNINT flags);
    LNSTATUS RawClose();
    LNSTATUS RawIsCalendar(LNBOOL* value) const;
    LNSTATUS RawGetEntryCount(LNINT* value) const;
    LNSTATUS RawGetName(LNString* value) const;
    LNSTATUS RawAt(LNINT index, LNVFEntry* value) const;
};

class LNAPI_EXPORT LNViewFolderArray {
public:
    LNViewFolderArray();
    LNViewFolderArray(const LNViewFolderArray& other);
    LNViewFolderArray& operator=(const LNViewFolderArray& other);
    ~LNViewFolderArray();
    LNINT GetCount() const;
    LNViewFolder operator[](LNINT index) const {
        return LNValueOf<LNViewFolder>(*this, &LNViewFolderArray::RawAt, index);
    }

private:
    friend struct LNInternals;
    std::shared_ptr<LNArrayBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawAt(LNINT index, LNViewFolder* value) const;
};


class LNAttachment;

class LNAPI_EXPORT LNNote {
public:
    LNNote();
    LNNote(const LNNote& other);
    LNNote& operator=(const LNNote& other);
    virtual ~LNNote();
    LNSTATUS Open(LNINT flags = 0) { return LNThrowIfFailed(RawOpen(flags)); }
    LNSTATUS Close() { return LNThrowIfFailed(RawClose()); }
    LNBOOL IsOpen() const;
    LNSTATUS RefreshObjectFromNoteHandle() { return LNThrowIfFailed(RawRefreshObjectFromNoteHandle()); }
    LNNOTEID GetNoteID() const;
    LNBOOL HasItem(const LNString& name) const { return LNValueOf<LNBOOL>(*this, &LNNote::RawHasItem, name); }
    // The item must suit the target (text into LNText, date-times into LNDatetimes...).
    LNSTATUS GetItem(const LNString& name, LNItem* item) const { return LNThrowIfFailed(RawGetItem(name, item)); }
    LNITEMTYPE GetItemType(const LNString& name) const {  // LNITEMTYPE_NONE when absent
        return LNValueOf<LNITEMTYPE>(*this, &LNNote::RawGetItemType, name);
    }
    LNSTATUS GetAttachments(LNAttachmentArray* attachments) const {
        return LNThrowIfFailed(RawGetAttachments(attachments));
    }

private:
    friend struct LNInternals;
    std::shared_ptr<LNNoteBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawOpen(LNINT flags);
    LNSTATUS RawClose();
    LNSTATUS RawRefreshObjectFromNoteHandle();
    LNSTATUS RawHasItem(const LNString& name, LNBOOL* value) const;
    LNSTATUS RawGetItem(const LNString& name, LNItem* item) const;
    LNSTATUS RawGetItemType(const LNString& name, LNITEMTYPE* value) const;
    LNSTATUS RawGetAttachments(LNAttachmentArray* attachments) const;
};

class LNAPI_EXPORT LNDocument : public LNNote {
public:
    LNDocument();
    LNDocument(const LNDocument& other);
    LNDocument& operator=(const LNDocument& other);
    ~LNDocument() override;
};

class LNAPI_EXPORT LNItem {
public:
    LNItem();
    LNItem(const LNItem& other);
    LNItem& operator=(const LNItem& other);
    virtual ~LNItem();
    LNString GetName() const { return LNValueOf<LNString>(*this, &LNItem::RawGetName); }
    LNITEMTYPE GetType() const;

protected:
    explicit LNItem(int accepted);

private:
    friend struct LNInternals;
    std::shared_ptr<LNItemBody> body_;
    int accepted_;  // which item types the object takes

    // Exported calls behind the inline members.
    LNSTATUS RawGetName(LNString* value) const;
};

class LNAPI_EXPORT LNText : public LNItem {
public:
    LNText();
    LNSTATUS GetText(LNString* text, const LNString& separator = LNString(";")) const {
        return LNThrowIfFailed(RawGetText(text, separator));
    }
    LNINT GetCount() const { return LNValueOf<LNINT>(*this, &LNText::RawGetCount); }
    LNString operator[](LNINT index) const { return LNValueOf<LNString>(*this, &LNText::RawAt, index); }

private:
    LNSTATUS RawGetText(LNString* text, const LNString& separator) const;
    LNSTATUS RawGetCount(LNINT* value) const;
    LNSTATUS RawAt(LNINT index, LNString* value) const;
};

class LNAPI_EXPORT LNDatetimes : public LNItem {
public:
    LNDatetimes();
    LNSTATUS GetText(LNString* text, const LNString& separator = LNString(";")) const {
        return LNThrowIfFailed(RawGetText(text, separator));
    }
    LNINT GetCount() const { return LNValueOf<LNINT>(*this, &LNDatetimes::RawGetCount); }
    LNDatetime operator[](LNINT index) const { return LNValueOf<LNDatetime>(*this, &LNDatetimes::RawAt, index); }

private:
    LNSTATUS RawGetText(LNString* text, const LNString& separator) const;
    LNSTATUS RawGetCount(LNINT* value) const;
    LNSTATUS RawAt(LNINT index, LNDatetime* value) const;
};

class LNRichText;

class LNAPI_EXPORT LNRTCursor {
public:
    LNRTCursor();
    LNBOOL IsValid() const;
    size_t GetPosition() const;  // bytes of plain text before the cursor

private:
    friend struct LNInternals;
    const void* owner_ = nullptr;
    size_t position_ = 0;
};

class LNAPI_EXPORT LNRichText : public LNItem {
public:
    LNRichText();
    LNSTATUS GetCursor(LNRTCursor* cursor) const { return LNThrowIfFailed(RawGetCursor(cursor)); }
    LNSTATUS GetEndCursor(LNRTCursor* cursor) const { return LNThrowIfFailed(RawGetEndCursor(cursor)); }
    // The plain text: the first piece, with LNWARN_MORE_TEXT when more follows.
    LNSTATUS GetText(LNString* text) const { return LNThrowIfFailed(RawGetText(text)); }
    // The next piece from the cursor to the end cursor; moves the cursor past it and
    // answers LNWARN_MORE_TEXT while the end is not reached.
    LNSTATUS GetText(LNRTCursor* cursor, const LNRTCursor& end, LNString* text) const {
        return LNThrowIfFailed(RawGetText(cursor, end, text));
    }
    // Writes the text between the cursors to a file; the format "RTF" is the only one.
    LNSTATUS Export(const LNString& path, const LNRTCursor& start, const LNRTCursor& end,
                    const LNString& format = LNString("RTF")) const {
        return LNThrowIfFailed(RawExport(path, start, end, format));
    }

private:
    LNSTATUS RawGetCursor(LNRTCursor* cursor) const;
    LNSTATUS RawGetEndCursor(LNRTCursor* cursor) const;
    LNSTATUS RawGetText(LNString* text) const;
    LNSTATUS RawGetText(LNRTCursor* cursor, const LNRTCursor& end, LNString* text) const;
    LNSTATUS RawExport(const LNString& path, const LNRTCursor& start, const LNRTCursor& end,
                       const LNString& format) const;
};

class LNAPI_EXPORT LNAttachment {
public:
    LNAttachment();
    LNAttachment(const LNAttachment& other);
    LNAttachment& operator=(const LNAttachment& other);
    ~LNAttachment();
    LNString GetAttachmentName() const { return LNValueOf<LNString>(*this, &LNAttachment::RawGetAttachmentName); }
    LNINT GetFileSize() const {  // bytes; LNINT's largest value for bigger files
        return LNValueOf<LNINT>(*this, &LNAttachment::RawGetFileSize);
    }
    LNSTATUS Detach(const LNString& path) const { return LNThrowIfFailed(RawDetach(path)); }

private:
    friend struct LNInternals;
    std::shared_ptr<LNAttachmentBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawGetAttachmentName(LNString* value) const;
    LNSTATUS RawGetFileSize(LNINT* value) const;
    LNSTATUS RawDetach(const LNString& path) const;
};

class LNAPI_EXPORT LNAttachmentArray {
public:
    LNAttachmentArray();
    LNAttachmentArray(const LNAttachmentArray& other);
    LNAttachmentArray& operator=(const LNAttachmentArray& other);
    ~LNAttachmentArray();
    LNINT GetCount() const;
    LNAttachment operator[](LNINT index) const {
        return LNValueOf<LNAttachment>(*this, &LNAttachmentArray::RawAt, index);
    }

private:
    friend struct LNInternals;
    std::shared_ptr<LNArrayBody> body_;

    // Exported calls behind the inline members.
    LNSTATUS RawAt(LNINT index, LNAttachment* value) const;
};
