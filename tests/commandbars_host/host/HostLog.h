#pragma once
// What the host's bars sent and what reached its frame, in order, each entry
// stamped with the tick it was written at.
#include <nlohmann/json.hpp>

class HostLog {
public:
    static HostLog& Instance();

    void Write(nlohmann::json entry);
    void Clear() { m_entries = nlohmann::json::array(); }
    const nlohmann::json& Entries() const { return m_entries; }

private:
    HostLog() = default;
    nlohmann::json m_entries = nlohmann::json::array();
};
