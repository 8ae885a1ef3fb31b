#include "CXTPTabRowTable.h"

void CXTPTabRowTable::SetCount(int nRows, int nItems)
{
    if (nRows < 0)
        return;
    if (nRows != GetCount())
        m_rows.assign(static_cast<size_t>(nRows), Row{0, -1});
    if (!m_rows.empty())
        m_rows[0] = Row{0, nItems - 1};
}
