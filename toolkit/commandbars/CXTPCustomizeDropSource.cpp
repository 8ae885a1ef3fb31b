#include "CXTPCustomizeDropSource.h"

void CXTPCustomizeDropSource::Register(CXTPCommandBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrTargets.GetSize(); ++i) {
        if (m_arrTargets[i] == pBar)
            return;
    }
    m_arrTargets.Add(pBar);
}

void CXTPCustomizeDropSource::UnRegister(CXTPCommandBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrTargets.GetSize(); ++i) {
        if (m_arrTargets[i] == pBar) {
            m_arrTargets.RemoveAt(i);
            return;
        }
    }
}
