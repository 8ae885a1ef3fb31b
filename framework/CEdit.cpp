#include "CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength <= 0)
        return 0;
    // EM_GETLINE reads the buffer size from the buffer's first word.
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}
