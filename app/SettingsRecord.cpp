#include "SettingsRecord.h"

void SettingsRecord::SetChosenDatabases(const CStringArray& paths, const CStringArray& servers)
{
    m_databases.RemoveAll();
    m_servers.RemoveAll();
    for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
        m_databases.Add(paths[i]);
        m_servers.Add(i < servers.GetSize() ? servers[i] : CString());
    }
}
