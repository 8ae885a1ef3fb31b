#include <cstdio>

#include "LNInternals.h"
#include "textcodec/Utf8.h"

using notesdb::Operation;

namespace {

const notesdb::Item& RichItem(const LNRichText& text) {
    const LNItemBody& b = LNDeref(LNInternals::Body(text));
    if (!b.item) LNFail(LNERR_WRONG_ITEM_TYPE);
    return *b.item;
}

std::string PlainText(const LNRichText& text) {
    const LNItemBody& b = LNDeref(LNInternals::Body(text));
    const notesdb::Item& item = RichItem(text);
    LNCheckMarker(*b.db, item.fails, Operation::Text);
    return item.PlainText();
}

// The end of the piece that starts at from: at most LNRICHTEXT_PIECE bytes, never
// inside a UTF-8 sequence.
size_t PieceEnd(std::string_view text, size_t from, size_t end) {
    if (end - from <= LNRICHTEXT_PIECE) return end;
    size_t cut = from + LNRICHTEXT_PIECE;
    while (cut > from && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return cut > from ? cut : from + LNRICHTEXT_PIECE;
}

// A minimal RTF document of plain text.
std::string RtfOf(std::string_view text) {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    const std::u16string wide = textcodec::Utf8::ToUtf16(text);
    for (size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (c == u'\\' || c == u'{' || c == u'}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c == u'\r') {
            if (i + 1 < wide.size() && wide[i + 1] == u'\n') ++i;
            rtf += "\\par\n";
        } else if (c == u'\n') {
            rtf += "\\par\n";
        } else if (c == u'\t') {
            rtf += "\\tab ";
        } else if (c >= 0x20 && c < 0x80) {
            rtf += static_cast<char>(c);
        } else if (c >= 0x80) {
            char code[16];
            std::snprintf(code, sizeof code, "\\u%d?", static_cast<int16_t>(c));
            rtf += code;
        }
    }
    return rtf + "}";
}

}  // namespace

LNRTCursor::LNRTCursor() = default;
LNBOOL LNRTCursor::IsValid() const { return owner_ ? 1 : 0; }
size_t LNRTCursor::GetPosition() const { return position_; }

LNRichText::LNRichText() : LNItem(3) {}

LNSTATUS LNRichText::RawGetCursor(LNRTCursor* cursor) const {
    return LNRun([&] {
        if (!cursor) LNFail(LNERR_BAD_ARGUMENT);
        LNInternals::Owner(*cursor) = &RichItem(*this);
        LNInternals::Position(*cursor) = 0;
    });
}

LNSTATUS LNRichText::RawGetEndCursor(LNRTCursor* cursor) const {
    return LNRun([&] {
        if (!cursor) LNFail(LNERR_BAD_ARGUMENT);
        const size_t length = PlainText(*this).size();
        LNInternals::Owner(*cursor) = &RichItem(*this);
        LNInternals::Position(*cursor) = length;
    });
}

LNSTATUS LNRichText::RawGetText(LNString* text) const {
    LNSTATUS status = LNRun([&] {
        if (!text) LNFail(LNERR_BAD_ARGUMENT);
        const std::string plain = PlainText(*this);
        const size_t end = PieceEnd(plain, 0, plain.size());
        *text = LNString(plain.data(), end);
        if (end < plain.size()) LNFail(LNWARN_MORE_TEXT);
    });
    return status;
}

LNSTATUS LNRichText::RawGetText(LNRTCursor* cursor, const LNRTCursor& end, LNString* text) const {
    return LNRun([&] {
        if (!cursor || !text) LNFail(LNERR_BAD_ARGUMENT);
        const notesdb::Item& item = RichItem(*this);
        if (LNInternals::Owner(*cursor) != &item || LNInternals::Owner(end) != &item)
            LNFail(LNERR_BAD_ARGUMENT, "the cursors belong to another rich text");
        const std::string plain = PlainText(*this);
        const size_t stop = std::min(LNInternals::Position(end), plain.size());
        const size_t from = std::min(LNInternals::Position(*cursor), stop);
        const size_t to = PieceEnd(plain, from, stop);
        *text = LNString(plain.data() + from, to - from);
        LNInternals::Position(*cursor) = to;
        if (to < stop) LNFail(LNWARN_MORE_TEXT);
    });
}

LNSTATUS LNRichText::RawExport(const LNString& path, const LNRTCursor& start, const LNRTCursor& end,
                            const LNString& format) const {
    return LNRun([&] {
        const std::string_view kind(format.GetBuf(), format.GetBufLength());
        if (kind.size() != 3 || (kind[0] | 0x20) != 'r' || (kind[1] | 0x20) != 't' || (kind[2] | 0x20) != 'f')
            LNFail(LNERR_BAD_ARGUMENT, "export format " + std::string(kind));
        const LNItemBody& b = LNDeref(LNInternals::Body(*this));
        const notesdb::Item& item = RichItem(*this);
        if (LNInternals::Owner(start) != &item || LNInternals::Owner(end) != &item)
            LNFail(LNERR_BAD_ARGUMENT, "the cursors belong to another rich text");
        LNCheckMarker(*b.db, item.fails, Operation::Export);
        if (!textcodec::Utf8::IsValid(std::string_view(path.GetBuf(), path.GetBufLength()))) LNFail(LNERR_TRANSLATE);
        const std::string plain = PlainText(*this);
        const size_t to = std::min(LNInternals::Position(end), plain.size());
        const size_t from = std::min(LNInternals::Position(start), to);
        // The stored RTF stands for the whole text; a part is exported from its plain text.
        const std::string rtf = item.hasRtf && from == 0 && to == plain.size()
                                    ? item.Rtf()
                                    : RtfOf(std::string_view(plain).substr(from, to - from));
        LNWriteFile(textcodec::Utf8::ToPath(std::string_view(path.GetBuf(), path.GetBufLength())), rtf);
    });
}
