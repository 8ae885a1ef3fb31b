#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PstProperty.h"

namespace pst {

using Guid = std::array<uint8_t, 16>;

// The property set of appointment properties ({00062002-0000-0000-C000-000000000046}).
inline constexpr Guid kPsetidAppointment{0x02, 0x20, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// The property set of properties common to all items ({00062008-0000-0000-C000-000000000046}).
inline constexpr Guid kPsetidCommon{0x08, 0x20, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// A message to save, or one read back: plain and named properties, recipients and attachments.
// Text goes in and out as UTF-8 and is stored as the file wants it.
class PstMessage {
public:
    struct Recipient {
        std::string name;
        std::string address;
        std::string addressType = "SMTP";
        int32_t type = 1;   // 1 To, 2 Cc, 3 Bcc
    };
    // A file attachment holds its bytes; an attached item (an e-mail forwarded as an
    // attachment) holds the message instead.
    struct Attachment {
        std::string name;
        std::vector<uint8_t> data;
        std::shared_ptr<PstMessage> message;
    };
    using NamedKey = std::pair<Guid, uint32_t>;

    explicit PstMessage(bool unicode) : unicode_(unicode) {}

    bool unicode() const { return unicode_; }
    void set(uint16_t id, PropertyValue value) { properties_[id] = std::move(value); }
    void setString(uint16_t id, const std::string& utf8);
    void setLong(uint16_t id, int32_t value) { set(id, PropertyValue::integer(kPtLong, static_cast<uint32_t>(value), 4)); }
    void setBool(uint16_t id, bool value) { set(id, PropertyValue::boolean(value)); }
    void setTime(uint16_t id, uint64_t filetime) { set(id, PropertyValue::integer(kPtSysTime, filetime, 8)); }
    void setBinary(uint16_t id, std::vector<uint8_t> data) { set(id, PropertyValue::binary(std::move(data))); }
    // The RTF body, stored uncompressed in the compressed-RTF property, marked as in step with the text body.
    void setRtfBody(const std::string& rtf);
    std::string rtfBody() const;
    void setNamed(const Guid& set, uint32_t lid, PropertyValue value) { named_[{set, lid}] = std::move(value); }
    PropertyValue textValue(const std::string& utf8) const;

    const PropertyValue* get(uint16_t id) const;
    std::string getString(uint16_t id) const;
    const PropertyValue* getNamed(const Guid& set, uint32_t lid) const;

    const PropertyMap& properties() const { return properties_; }
    PropertyMap& properties() { return properties_; }
    const std::map<NamedKey, PropertyValue>& named() const { return named_; }
    std::map<NamedKey, PropertyValue>& named() { return named_; }

    std::vector<Recipient> recipients;
    std::vector<Attachment> attachments;

private:
    bool unicode_;
    PropertyMap properties_;
    std::map<NamedKey, PropertyValue> named_;
};

}
