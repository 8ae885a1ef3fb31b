#include "CHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADERW, nullptr, dwStyle, rect, pParentWnd, nID);
}
