#include "CXTThemeManagerStyle.h"

BOOL CXTThemeManagerStyle::CopyParentBackground(CWnd* pWnd)
{
    const HWND hWnd = pWnd->GetSafeHwnd();
    const HWND hParent = ::GetParent(hWnd);
    if (!::IsWindow(hParent))
        return FALSE;
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rect), 2);
    const HDC hParentDC = ::GetDC(hParent);
    const HDC hMemDC = ::CreateCompatibleDC(hParentDC);
    m_bmpBackground.DeleteObject();
    m_bmpBackground.Attach(::CreateCompatibleBitmap(hParentDC, rect.Width(), rect.Height()));
    const HGDIOBJ hOld = ::SelectObject(hMemDC, m_bmpBackground.GetSafeHandle());
    ::BitBlt(hMemDC, 0, 0, rect.Width(), rect.Height(), hParentDC, rect.left, rect.top, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hParent, hParentDC);
    return TRUE;
}

BOOL CXTThemeManagerStyle::PaintCopiedBackground(CDC* pDC, CWnd* pWnd)
{
    if (!(::GetWindowLongW(pWnd->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) || !CopyParentBackground(pWnd))
        return FALSE;
    CRect client;
    ::GetClientRect(pWnd->GetSafeHwnd(), &client);
    const HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    const HGDIOBJ hOld = ::SelectObject(hMemDC, m_bmpBackground.GetSafeHandle());
    ::BitBlt(pDC->GetSafeHdc(), 0, 0, client.Width(), client.Height(), hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    return TRUE;
}
