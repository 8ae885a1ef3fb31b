#include "NsfDatabaseList.h"

#include <algorithm>

bool NsfDatabaseList::IsNotInList(const CString& path, const CString& server) const
{
    return std::none_of(m_rows.begin(), m_rows.end(), [&](const Row& row) {
        return row.strPath.CompareNoCase(path) == 0 && row.strServer.CompareNoCase(server) == 0;
    });
}

void NsfDatabaseList::AddLocalFiles(const CStringArray& chosen, CStringArray& duplicates)
{
    std::vector<Row> collected = m_rows;
    for (INT_PTR i = 0; i < chosen.GetSize(); ++i) {
        const CString& path = chosen[i];
        const bool bListed = std::any_of(collected.begin(), collected.end(),
                                         [&](const Row& row) { return row.strPath.CompareNoCase(path) == 0; });
        if (bListed)
            duplicates.Add(path);
        else
            collected.push_back({path, CString()});
    }
    m_rows.clear();
    for (const Row& row : collected) {
        CString upper = row.strPath;
        upper.MakeUpper();
        if (upper.Find(L".NSF") >= 0)
            m_rows.insert(m_rows.begin(), row);
    }
}

bool NsfDatabaseList::HasNetworkPath() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const Row& row) { return row.strPath.Left(1) == L"\\"; });
}

void NsfDatabaseList::AddServerFiles(const CString& server, const CStringArray& paths)
{
    for (INT_PTR i = 0; i < paths.GetSize(); ++i)
        if (IsNotInList(paths[i], server))
            m_rows.insert(m_rows.begin(), Row{paths[i], server});
}

bool NsfDatabaseList::RemoveRows(std::vector<int> indices)
{
    if (indices.empty())
        return false;
    std::sort(indices.begin(), indices.end(), std::greater<int>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (int index : indices)
        if (index >= 0 && index < Count())
            m_rows.erase(m_rows.begin() + index);
    return true;
}

void NsfDatabaseList::GetChosen(CStringArray& paths, CStringArray& servers) const
{
    paths.RemoveAll();
    servers.RemoveAll();
    for (const Row& row : m_rows) {
        paths.Add(row.strPath);
        servers.Add(row.strServer);
    }
}
