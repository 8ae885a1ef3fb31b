#pragma once
// The rows of a tab header: for each row the first and last item index. The
// layout of the appearance sets fills it; one row unless they say otherwise.
#include <vector>

class CXTPTabRowTable {
public:
    struct Row {
        int nFirst;
        int nLast;
    };

    CXTPTabRowTable() : m_rows(1, Row{0, -1}) {}

    int GetCount() const { return static_cast<int>(m_rows.size()); }
    // A changed count starts the rows over; the first row then spans items 0
    // to nItems - 1 whatever the count.
    void SetCount(int nRows, int nItems);
    const Row& GetAt(int nRow) const { return m_rows[static_cast<size_t>(nRow)]; }
    Row& GetAt(int nRow) { return m_rows[static_cast<size_t>(nRow)]; }

private:
    std::vector<Row> m_rows;
};
