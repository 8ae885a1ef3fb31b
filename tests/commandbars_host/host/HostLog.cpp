#include "HostLog.h"

#include <windows.h>

HostLog& HostLog::Instance()
{
    static HostLog log;
    return log;
}

void HostLog::Write(nlohmann::json entry)
{
    entry["tick"] = ::GetTickCount64();
    m_entries.push_back(std::move(entry));
}
