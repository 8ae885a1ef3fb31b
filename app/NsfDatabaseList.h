#pragma once
#include <vector>

#include "Framework.h"

// The rows of step 1's database list, top row first, and the rules for adding
// and removing them. A row is one database: its path and its server (empty for a
// local or network file).
class NsfDatabaseList {
public:
    struct Row {
        CString strPath;
        CString strServer;
    };

    const std::vector<Row>& Rows() const { return m_rows; }
    int Count() const { return static_cast<int>(m_rows.size()); }
    void SetRows(std::vector<Row> rows) { m_rows = std::move(rows); }

    // False when a row has the same path and the same server (case aside).
    bool IsNotInList(const CString& path, const CString& server) const;

    // Files chosen in the file dialog: a path already listed is not added again
    // and goes to duplicates; then the list is rebuilt from the rows and the new
    // files in that order, each entry put at the top, keeping only ".NSF" paths.
    void AddLocalFiles(const CStringArray& chosen, CStringArray& duplicates);

    // True when a row's path starts with a backslash (a file on the network).
    bool HasNetworkPath() const;

    // Databases of one server: each path not yet listed with that server goes on top.
    void AddServerFiles(const CString& server, const CStringArray& paths);

    // Removes the rows at the given indices; false when none was given.
    bool RemoveRows(std::vector<int> indices);
    void RemoveAll() { m_rows.clear(); }

    // The databases to save, in list order, with their servers in parallel.
    void GetChosen(CStringArray& paths, CStringArray& servers) const;

private:
    std::vector<Row> m_rows;
};
