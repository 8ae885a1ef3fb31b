// The session: finds the data directory beside the library and hands out databases.
#include <windows.h>

#include <fstream>
#include <mutex>
#include <sstream>
#include <stdexcept>

#include "LNInternals.h"
#include "notesdb/AsciiCase.h"
#include "textcodec/Utf8.h"

namespace {

std::mutex sessionMutex;
std::shared_ptr<const notesdb::DataDirectory> sessionDirectory;

// The folder this library was loaded from: the Notes program directory.
std::filesystem::path LibraryFolder() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&LibraryFolder), &module))
        LNFail(LNERR_DATA_DIRECTORY, "the library's own folder cannot be found");
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) LNFail(LNERR_DATA_DIRECTORY, "the library's own folder cannot be found");
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(name.size() * 2);
    }
    return std::filesystem::path(name).parent_path();
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// notes.ini beside the library may name the data directory ("Directory=path",
// relative paths from the library's folder); otherwise it is the folder "Data".
std::filesystem::path DataDirectoryPath() {
    const std::filesystem::path folder = LibraryFolder();
    std::ifstream ini(folder / "notes.ini", std::ios::binary);
    if (ini) {
        std::string line;
        while (std::getline(ini, line)) {
            const std::string_view text = Trim(line);
            const size_t equals = text.find('=');
            if (equals == std::string_view::npos || !notesdb::AsciiCase::Equal(Trim(text.substr(0, equals)), "Directory"))
                continue;
            const std::string_view value = Trim(text.substr(equals + 1));
            if (value.empty()) LNFail(LNERR_DATA_DIRECTORY, "notes.ini names an empty data directory");
            if (!textcodec::Utf8::IsValid(value)) LNFail(LNERR_DATA_DIRECTORY, "notes.ini: the directory is not UTF-8 text");
            const std::filesystem::path path = textcodec::Utf8::ToPath(value);
            return path.is_absolute() ? path : folder / path;
        }
    }
    return folder / "Data";
}

}  // namespace

void LNWriteFile(const std::filesystem::path& path, std::string_view bytes) {
    // One open and one write: a body exported for every saved entry must not pay for a
    // stream's buffering and the C runtime's checks of a new file.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!ok) LNFail(LNERR_FILE_WRITE, textcodec::Utf8::FromPath(path));
}

std::shared_ptr<const notesdb::DataDirectory> LNSessionDirectory() {
    std::lock_guard lock(sessionMutex);
    if (!sessionDirectory) LNFail(LNERR_NO_SESSION);
    return sessionDirectory;
}

LNNotesSession::LNNotesSession() = default;
LNNotesSession::~LNNotesSession() = default;

LNSTATUS LNNotesSession::RawInitialize(int, char**, LNINT) {
    return LNRun([] {
        const std::filesystem::path path = DataDirectoryPath();
        std::shared_ptr<const notesdb::DataDirectory> directory;
        try {
            directory = std::make_shared<const notesdb::DataDirectory>(notesdb::DataDirectory::Open(path));
        } catch (const std::exception& e) {
            LNFail(LNERR_DATA_DIRECTORY, e.what());
        }
        std::lock_guard lock(sessionMutex);
        sessionDirectory = std::move(directory);
    });
}

LNSTATUS LNNotesSession::Term() {
    std::lock_guard lock(sessionMutex);
    sessionDirectory.reset();
    return LNNOERROR;
}

// Nothing is kept per thread: every object may be used from any thread, one at a time.
LNSTATUS LNNotesSession::InitThread() { return LNNOERROR; }
LNSTATUS LNNotesSession::TermThread() { return LNNOERROR; }

LNBOOL LNNotesSession::IsInitialized() const {
    std::lock_guard lock(sessionMutex);
    return sessionDirectory ? 1 : 0;
}

namespace {

// A database file named by a server and a Notes path, not yet read.
std::shared_ptr<LNDatabaseBody> Locate(const notesdb::DataDirectory& directory, std::string_view server,
                                       std::string_view path) {
    if (!textcodec::Utf8::IsValid(server) || !textcodec::Utf8::IsValid(path)) LNFail(LNERR_TRANSLATE);
    if (!server.empty() && !directory.FindServer(server)) LNFail(LNERR_SERVER_NOT_FOUND, std::string(server));
    auto body = std::make_shared<LNDatabaseBody>();
    body->server = server;
    body->notesPath = path;
    try {
        body->file = directory.Resolve(server, path);
    } catch (const std::exception& e) {
        LNFail(LNERR_FILE_NOT_FOUND, e.what());
    }
    return body;
}

}  // namespace

LNSTATUS LNNotesSession::RawGetDatabase(const LNString& path, LNDatabase* database, const LNString& server) const {
    return LNRun([&] {
        if (!database) LNFail(LNERR_BAD_ARGUMENT);
        const auto directory = LNSessionDirectory();
        auto body = Locate(*directory, std::string_view(server.GetBuf(), server.GetBufLength()),
                           std::string_view(path.GetBuf(), path.GetBufLength()));
        LNLoadDatabase(*body);
        LNInternals::Body(*database) = std::move(body);
    });
}

LNSTATUS LNNotesSession::RawGetServerNames(LNText* names) const {
    return LNRun([&] {
        if (!names) LNFail(LNERR_BAD_ARGUMENT);
        const auto directory = LNSessionDirectory();
        if (const auto status = directory->ServersFailure()) LNFail(*status);
        auto body = std::make_shared<LNItemBody>();
        for (const notesdb::Server& server : directory->Servers()) body->texts.push_back(server.name);
        LNInternals::Body(*names) = std::move(body);
    });
}

LNSTATUS LNNotesSession::RawGetDatabases(LNDatabaseArray* databases, const LNString& server, const LNString&,
                                      LNINT) const {
    return LNRun([&] {
        if (!databases) LNFail(LNERR_BAD_ARGUMENT);
        const auto directory = LNSessionDirectory();
        const std::string_view name(server.GetBuf(), server.GetBufLength());
        const notesdb::Server* found = directory->FindServer(name);
        if (!found) LNFail(LNERR_SERVER_NOT_FOUND, std::string(name));
        if (found->databasesFailure) LNFail(*found->databasesFailure);
        auto array = std::make_shared<LNArrayBody>();
        for (const notesdb::DatabaseFile& file : directory->Databases(*found)) {
            auto body = std::make_shared<LNDatabaseBody>();
            body->server = found->name;
            body->notesPath = file.path;
            body->file = file.file;
            LNDatabase database;
            LNInternals::Body(database) = std::move(body);
            array->databases.push_back(std::move(database));
        }
        LNInternals::Body(*databases) = std::move(array);
    });
}
