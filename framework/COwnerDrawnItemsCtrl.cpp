#include "COwnerDrawnItemsCtrl.h"

IMPLEMENT_DYNAMIC(COwnerDrawnItemsCtrl, CWnd)

void COwnerDrawnItemsCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE); // an owner-drawn control class must paint its items
}

void COwnerDrawnItemsCtrl::MeasureItem(LPMEASUREITEMSTRUCT)
{
    ASSERT(FALSE); // an owner-drawn variable-height control must measure its items
}

int COwnerDrawnItemsCtrl::CompareItem(LPCOMPAREITEMSTRUCT)
{
    ASSERT(FALSE); // a sorted owner-drawn control must compare its items
    return 0;
}

void COwnerDrawnItemsCtrl::DeleteItem(LPDELETEITEMSTRUCT)
{
}

BOOL COwnerDrawnItemsCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM: {
        const int nResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        if (pResult != nullptr)
            *pResult = nResult;
        return TRUE;
    }
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
