// Failures to statuses, the throw mode and the texts of the statuses.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "LNInternals.h"
#include "notesdb/ParseError.h"
#include "textcodec/Utf8.h"

namespace {

std::atomic<bool> throwAllErrors{false};

// Details of the last failure on this thread, shown with its status's text.
struct LastFailure {
    LNSTATUS status = 0;
    std::string detail;
};

// Kept in fiber-local storage rather than as a thread_local: with this
// toolchain a thread_local's destructor runs after the thread's TLS block is
// freed, which corrupts the heap when a reading thread ends.
void WINAPI DeleteFailure(void* p) { delete static_cast<LastFailure*>(p); }

LastFailure& ThisThreadFailure() {
    static const DWORD index = FlsAlloc(&DeleteFailure);
    auto* failure = static_cast<LastFailure*>(FlsGetValue(index));
    if (failure == nullptr) {
        failure = new LastFailure;
        FlsSetValue(index, failure);
    }
    return *failure;
}

const char* BaseText(LNSTATUS status) {
    switch (status) {
    case LNNOERROR: return "No error";
    case LNERR_NO_SESSION: return "The Notes session has not been started";
    case LNERR_DATA_DIRECTORY: return "The Notes data directory cannot be used";
    case LNERR_FILE_NOT_FOUND: return "File does not exist";
    case LNERR_DATABASE_DAMAGED: return "Database is damaged and cannot be read";
    case LNERR_NOT_OPEN: return "The object has not been opened";
    case LNERR_VIEW_NOT_FOUND: return "View or folder not found";
    case LNERR_ITEM_NOT_FOUND: return "Item not found";
    case LNERR_WRONG_ITEM_TYPE: return "Item is not of the type asked for";
    case LNERR_INDEX: return "Index out of range";
    case LNERR_SERVER_NOT_FOUND: return "Server not known";
    case LNERR_NOTE_NOT_FOUND: return "Document not found";
    case LNERR_NULL_OBJECT: return "The object does not refer to anything";
    case LNERR_FILE_WRITE: return "Cannot write the file";
    case LNERR_TRANSLATE: return "Text cannot be translated";
    case LNERR_BUFFER_TOO_SMALL: return "Buffer too small for the text";
    case LNERR_BAD_ARGUMENT: return "Invalid argument";
    case LNERR_NO_MEMORY: return "Insufficient memory";
    case LNERR_INTERNAL: return "Internal error of the Notes library";
    case LNWARN_MORE_TEXT: return "More text follows";
    default: return nullptr;
    }
}

}  // namespace

void LNFail(LNSTATUS status, std::string detail) {
    throw LNFailure{status, std::move(detail)};
}

void LNCheckMarker(const notesdb::Database& db, notesdb::FailList fails, notesdb::Operation operation) {
    if (const auto status = db.Failure(fails, operation)) LNFail(*status);
}

LNSTATUS LNStatusOfCurrentException() {
    LastFailure failure;
    try {
        throw;
    } catch (LNFailure& e) {
        failure = {e.status, std::move(e.detail)};
    } catch (const notesdb::ParseError& e) {
        failure = {LNERR_DATABASE_DAMAGED, e.what()};
    } catch (const std::bad_alloc&) {
        failure = {LNERR_NO_MEMORY, {}};
    } catch (const std::exception& e) {
        failure = {LNERR_INTERNAL, e.what()};
    } catch (...) {
        failure = {LNERR_INTERNAL, {}};
    }
    if (failure.status == LNNOERROR) failure.status = LNERR_INTERNAL;
    LastFailure& last = ThisThreadFailure();
    last = std::move(failure);
    return last.status;
}

size_t LNCheckIndex(LNINT index, size_t count) {
    if (index < 0 || static_cast<size_t>(index) >= count)
        LNFail(LNERR_INDEX, std::to_string(index) + " of " + std::to_string(count));
    return static_cast<size_t>(index);
}

void LNSetThrowAllErrorsGlobal(LNBOOL flag) {
    throwAllErrors.store(flag != 0);
}

LNBOOL LNGetThrowAllErrorsGlobal() {
    return throwAllErrors.load() ? 1 : 0;
}

size_t LNGetErrorMessageText(LNSTATUS status, char* buffer, size_t size) {
    std::string text;
    if (const char* base = BaseText(status)) {
        text = base;
    } else {
        char code[48];
        std::snprintf(code, sizeof code, "Notes error 0x%04X", static_cast<unsigned>(status));
        text = code;
    }
    const LastFailure& last = ThisThreadFailure();
    if (status == last.status && !last.detail.empty()) text += ": " + last.detail;
    // As the client library gives it: in the platform's ANSI code page, not as Notes text.
    const std::u16string wide = textcodec::Utf8::ToUtf16(text);
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int count = static_cast<int>(wide.size());
    text.assign(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, units, count, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_ACP, 0, units, count, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    if (buffer && size > 0) {
        const size_t n = text.size() < size - 1 ? text.size() : size - 1;
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }
    return text.size();
}
