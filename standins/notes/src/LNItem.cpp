#include "LNInternals.h"

using notesdb::Operation;

namespace {

// The values of a text list, read once per call ("text" marker applies).
std::vector<std::string> Texts(const std::shared_ptr<LNItemBody>& body) {
    const LNItemBody& b = LNDeref(body);
    if (!b.item) return b.texts;
    LNCheckMarker(*b.db, b.item->fails, Operation::Text);
    return b.item->Texts();
}

std::vector<notesdb::DateTime> Datetimes(const std::shared_ptr<LNItemBody>& body) {
    const LNItemBody& b = LNDeref(body);
    if (!b.item) return {};
    LNCheckMarker(*b.db, b.item->fails, Operation::Text);
    return b.item->Datetimes();
}

// GetText of a list: the texts values() reads, joined by the separator.
template <class F>
LNSTATUS JoinInto(LNString* text, const LNString& separator, F&& values) {
    return LNRun([&] {
        if (!text) LNFail(LNERR_BAD_ARGUMENT);
        const std::vector<std::string> list = values();
        std::string joined;
        for (size_t i = 0; i < list.size(); ++i) {
            if (i > 0) joined.append(separator.GetBuf(), separator.GetBufLength());
            joined += list[i];
        }
        *text = LNString(joined.data(), joined.size());
    });
}

}  // namespace

LNItem::LNItem() : accepted_(0) {}
LNItem::LNItem(int accepted) : accepted_(accepted) {}
LNItem::LNItem(const LNItem&) = default;
LNItem& LNItem::operator=(const LNItem& other) {
    // The object keeps its own kind; only the reference is taken over.
    body_ = other.body_;
    return *this;
}
LNItem::~LNItem() = default;

LNSTATUS LNItem::RawGetName(LNString* out) const {
    return LNRunInto(out, [&] {
        const LNItemBody& b = LNDeref(body_);
        return b.item ? LNString(b.item->name.data(), b.item->name.size()) : LNString();
    });
}

LNITEMTYPE LNItem::GetType() const {
    if (!body_) return LNITEMTYPE_NONE;
    return body_->item ? static_cast<LNITEMTYPE>(body_->item->typeCode) : static_cast<LNITEMTYPE>(LNITEMTYPE_TEXTLIST);
}

LNText::LNText() : LNItem(1) {}

LNSTATUS LNText::RawGetText(LNString* text, const LNString& separator) const {
    return JoinInto(text, separator, [&] { return Texts(LNInternals::Body(*this)); });
}

LNSTATUS LNText::RawGetCount(LNINT* out) const {
    return LNRunInto(out, [&] { return static_cast<LNINT>(Texts(LNInternals::Body(*this)).size()); });
}

LNSTATUS LNText::RawAt(LNINT index, LNString* out) const {
    return LNRunInto(out, [&] {
        const std::vector<std::string> values = Texts(LNInternals::Body(*this));
        const std::string& value = values[LNCheckIndex(index, values.size())];
        return LNString(value.data(), value.size());
    });
}

LNDatetimes::LNDatetimes() : LNItem(2) {}

LNSTATUS LNDatetimes::RawGetText(LNString* text, const LNString& separator) const {
    return JoinInto(text, separator, [&] {
        std::vector<std::string> texts;
        for (const notesdb::DateTime& value : Datetimes(LNInternals::Body(*this))) {
            LNString one;
            LNInternals::FromValue(value).GetText(&one);
            texts.emplace_back(one.GetBuf(), one.GetBufLength());
        }
        return texts;
    });
}

LNSTATUS LNDatetimes::RawGetCount(LNINT* out) const {
    return LNRunInto(out, [&] { return static_cast<LNINT>(Datetimes(LNInternals::Body(*this)).size()); });
}

LNSTATUS LNDatetimes::RawAt(LNINT index, LNDatetime* out) const {
    return LNRunInto(out, [&] {
        const std::vector<notesdb::DateTime> values = Datetimes(LNInternals::Body(*this));
        return LNInternals::FromValue(values[LNCheckIndex(index, values.size())]);
    });
}
