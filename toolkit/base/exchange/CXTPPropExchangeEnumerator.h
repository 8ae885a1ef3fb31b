#pragma once
// Walks a list of numbered sections: "<base>0", "<base>1", ...
#include "CString.h"

class CXTPPropExchange;

class CXTPPropExchangeEnumerator
{
public:
    CXTPPropExchangeEnumerator(CXTPPropExchange* pContainer, LPCTSTR pszBaseName);
    virtual ~CXTPPropExchangeEnumerator() = default;

    // Exchanges the count (as "Count", or the exchange's own count when
    // compact); 0 when the list is empty.
    virtual ULONG_PTR GetPosition(DWORD dwCount = 0, BOOL bCompactMode = TRUE);
    // The next item's section, released by the caller; the position becomes 0
    // after the last item.
    virtual CXTPPropExchange* GetNext(ULONG_PTR& pos);

protected:
    CXTPPropExchange* m_pContainer;
    CString m_strBaseName;
    DWORD m_nCount = 0;
};
