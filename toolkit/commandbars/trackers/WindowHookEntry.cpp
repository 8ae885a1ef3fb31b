#include "WindowHookEntry.h"

WindowHookEntry::~WindowHookEntry()
{
    if (m_pfnOldWndProc != nullptr && ::IsWindow(m_hWnd))
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOldWndProc));
}

BOOL WindowHookEntry::HasClient(CXTPWindowHookClient* pClient) const
{
    for (INT_PTR i = 0; i < m_arrClients.GetSize(); ++i)
        if (m_arrClients[i] == pClient)
            return TRUE;
    return FALSE;
}

void WindowHookEntry::AddClient(CXTPWindowHookClient* pClient)
{
    if (!HasClient(pClient))
        m_arrClients.Add(pClient);
}

void WindowHookEntry::RemoveClient(CXTPWindowHookClient* pClient)
{
    for (INT_PTR i = m_arrClients.GetSize() - 1; i >= 0; --i)
        if (m_arrClients[i] == pClient)
            m_arrClients.RemoveAt(i);
}
