#pragma once
#include <map>
#include <optional>

#include "PstMessage.h"
#include "PstNodeDatabase.h"

namespace pst {

// The name-to-id map: which property id (0x8000 and up) stands for which named property.
class PstNameMap {
public:
    static constexpr uint32_t kNid = 0x61;

    void load(const PstNodeDatabase& db);
    void initialise();
    std::optional<uint16_t> find(const Guid& set, uint32_t lid) const;
    std::optional<PstMessage::NamedKey> name(uint16_t id) const;
    uint16_t idFor(const Guid& set, uint32_t lid);
    // Writes the map's node when it changed.
    void save(PstNodeDatabase& db);

private:
    PropertyMap properties_;
    std::map<PstMessage::NamedKey, uint16_t> ids_;
    std::map<uint16_t, PstMessage::NamedKey> names_;
    bool dirty_ = false;
};

}
