#include "CListBox.h"

IMPLEMENT_DYNAMIC(CListBox, COwnerDrawnItemsCtrl)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    const int nLength = GetTextLen(nIndex);
    if (nLength == LB_ERR) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(nLength));
    rString.ReleaseBuffer();
}
