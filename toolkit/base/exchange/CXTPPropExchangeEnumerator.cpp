#include "CXTPPropExchangeEnumerator.h"

#include "CXTPPropExchange.h"
#include "PropExchangeHelpers.h"

CXTPPropExchangeEnumerator::CXTPPropExchangeEnumerator(CXTPPropExchange* pContainer, LPCTSTR pszBaseName)
    : m_pContainer(pContainer), m_strBaseName(pszBaseName)
{
}

ULONG_PTR CXTPPropExchangeEnumerator::GetPosition(DWORD dwCount, BOOL bCompactMode)
{
    m_nCount = dwCount;
    if (!bCompactMode)
    {
        int count = static_cast<int>(m_nCount);
        PX_Int(m_pContainer, L"Count", count, 0);
        m_nCount = static_cast<DWORD>(count);
    }
    else if (m_pContainer->IsStoring())
        m_pContainer->WriteCount(m_nCount);
    else
        m_nCount = m_pContainer->ReadCount();
    return m_nCount ? 1 : 0;
}

CXTPPropExchange* CXTPPropExchangeEnumerator::GetNext(ULONG_PTR& pos)
{
    CString section;
    section.Format(L"%s%i", static_cast<LPCTSTR>(m_strBaseName), static_cast<int>(pos - 1));
    CXTPPropExchange* pSection = m_pContainer->GetSection(section);
    ++pos;
    if (pos > m_nCount)
        pos = 0;
    return pSection;
}
