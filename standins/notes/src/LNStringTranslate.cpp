// Notes text (UTF-8) to and from the Unicode set (UTF-16). Reports, never throws.
#include <cstring>
#include <string>

#include "lnapi.h"
#include "textcodec/Utf16.h"
#include "textcodec/Utf8.h"

LNSTATUS LNStringTranslate(const LNString& text, LNCHARSET to, void* buffer, size_t bufferBytes) {
    try {
        if (to != LNCHARSET_UNICODE || !buffer) return LNERR_BAD_ARGUMENT;
        const std::string_view bytes(text.GetBuf(), text.GetBufLength());
        if (!textcodec::Utf8::IsValid(bytes)) return LNERR_TRANSLATE;
        const std::u16string wide = textcodec::Utf8::ToUtf16(bytes);
        const size_t needed = (wide.size() + 1) * sizeof(char16_t);
        if (bufferBytes < needed) return LNERR_BUFFER_TOO_SMALL;
        std::memcpy(buffer, wide.c_str(), needed);
        return LNNOERROR;
    } catch (...) {
        return LNERR_NO_MEMORY;
    }
}

LNSTATUS LNStringTranslate(const void* text, size_t bytes, LNCHARSET from, LNString* result) {
    try {
        if (from != LNCHARSET_UNICODE || !result || (bytes && !text) || bytes % 2) return LNERR_BAD_ARGUMENT;
        std::u16string wide(bytes / 2, u'\0');
        if (bytes) std::memcpy(wide.data(), text, bytes);
        // An unpaired surrogate is not text.
        if (!textcodec::Utf16::IsValid(wide)) return LNERR_TRANSLATE;
        const std::string utf8 = textcodec::Utf8::FromUtf16(wide);
        *result = LNString(utf8.data(), utf8.size());
        return LNNOERROR;
    } catch (...) {
        return LNERR_NO_MEMORY;
    }
}
