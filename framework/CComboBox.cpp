#include "CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, COwnerDrawnItemsCtrl)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    const int nLength = GetLBTextLen(nIndex);
    if (nLength == CB_ERR) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(nLength));
    rString.ReleaseBuffer();
}
