#include "CAnimateCtrl.h"

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_ANIMATE_CLASS);
    return CWnd::Create(ANIMATE_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCTSTR lpszFileName)
{
    // Resource ids are looked up in the resource module, file names on disk.
    HINSTANCE hInstance = IS_INTRESOURCE(lpszFileName) ? AfxGetResourceHandle() : nullptr;
    return SendMessage(ACM_OPENW, reinterpret_cast<WPARAM>(hInstance), reinterpret_cast<LPARAM>(lpszFileName)) != 0;
}
