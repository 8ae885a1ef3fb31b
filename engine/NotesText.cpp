#include "NotesText.h"

#include <climits>
#include <vector>

CString LnStringToCString(const LNString& text) {
    const size_t bytes = text.GetBufLength();
    if (bytes > 0) {
        // One byte of Notes text never gives more than one UTF-16 unit, so the whole
        // text fits, however long it is.
        try {
            std::vector<wchar_t> buffer(bytes + 1, L'\0');
            if (LNStringTranslate(text, LNCHARSET_UNICODE, buffer.data(), buffer.size() * sizeof(wchar_t)) == LNNOERROR)
                return CString(buffer.data());
        } catch (...) {
        }
    }
    if (bytes == 0 || bytes > static_cast<size_t>(INT_MAX)) return CString();
    return CString(text.GetBuf(), static_cast<int>(bytes));
}

LNString CStringToLnString(const CString& text) {
    if (text.IsEmpty()) return LNString();
    try {
        LNString result;
        if (LNStringTranslate(text.GetString(), static_cast<size_t>(text.GetLength()) * sizeof(wchar_t),
                              LNCHARSET_UNICODE, &result) == LNNOERROR)
            return result;
    } catch (...) {
    }
    return LNString();
}

CString StripCanonicalName(const CString& name) {
    if (name.Find(L"CN=") != 0) return name;
    const int organisation = name.Find(L"/O=");
    if (organisation < 0) return name;
    CString common = name.Left(organisation);
    common.Replace(L"CN=", L"");
    return common;
}

CString FlattenWhitespace(const CString& text) {
    CString flat = text;
    flat.Replace(L'\t', L' ');
    flat.Replace(L'\x81', L' ');
    flat.Replace(L'\r', L' ');
    flat.Replace(L'\n', L' ');
    return flat;
}
