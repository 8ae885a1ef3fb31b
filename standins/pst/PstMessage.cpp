#include "PstMessage.h"

#include "PstBytes.h"
#include "PstText.h"

namespace pst {

PropertyValue PstMessage::textValue(const std::string& utf8) const
{
    return PropertyValue{unicode_ ? kPtUnicode : kPtString8, PstText::encode(utf8, unicode_)};
}

void PstMessage::setString(uint16_t id, const std::string& utf8)
{
    set(id, textValue(utf8));
}

namespace {

constexpr uint16_t kRtfCompressed = 0x1009, kRtfInSync = 0x0E1F;
constexpr uint32_t kRtfUncompressed = 0x414C454D;   // "MELA"

}

void PstMessage::setRtfBody(const std::string& rtf)
{
    std::vector<uint8_t> data;
    PstBytes::append(data, rtf.size() + 12, 4);
    PstBytes::append(data, rtf.size(), 4);
    PstBytes::append(data, kRtfUncompressed, 4);
    PstBytes::append(data, 0, 4);
    data.insert(data.end(), rtf.begin(), rtf.end());
    setBinary(kRtfCompressed, std::move(data));
    setBool(kRtfInSync, true);
}

std::string PstMessage::rtfBody() const
{
    const PropertyValue* v = get(kRtfCompressed);
    if (!v || v->data.size() < 16 || PstBytes::get(v->data.data() + 8, 4) != kRtfUncompressed)
        return {};   // only the uncompressed form written here is read back
    const size_t size = std::min<size_t>(PstBytes::get(v->data.data() + 4, 4), v->data.size() - 16);
    return std::string(v->data.begin() + 16, v->data.begin() + 16 + size);
}

const PropertyValue* PstMessage::get(uint16_t id) const
{
    const auto it = properties_.find(id);
    return it == properties_.end() ? nullptr : &it->second;
}

std::string PstMessage::getString(uint16_t id) const
{
    const PropertyValue* v = get(id);
    if (!v || (v->type != kPtUnicode && v->type != kPtString8))
        return {};
    return PstText::decode(v->data, v->type == kPtUnicode);
}

const PropertyValue* PstMessage::getNamed(const Guid& set, uint32_t lid) const
{
    const auto it = named_.find({set, lid});
    return it == named_.end() ? nullptr : &it->second;
}

}
