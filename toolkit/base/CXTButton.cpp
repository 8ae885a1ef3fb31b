#include "CXTButton.h"

CXTButton::~CXTButton()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
}

void CXTButton::PreSubclassWindow()
{
    // Both buttons made by code and buttons of a dialog template pass here once;
    // only the type bits change, so group, tab stop and alignment stay.
    const DWORD dwStyle = GetStyle();
    if ((dwStyle & BS_TYPEMASK) != BS_OWNERDRAW)
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((dwStyle & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW));
    CButton::PreSubclassWindow();
}

BOOL CXTButton::SetIconResource(UINT nID)
{
    HICON hIcon = static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (hIcon == nullptr)
        return FALSE;
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    if (::IsWindow(m_hWnd))
        Invalidate();
    return TRUE;
}

void CXTButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    const HDC hDC = lpDIS->hDC;
    RECT rc = lpDIS->rcItem;
    const bool pressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    const bool disabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(hDC, &rc, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    wchar_t szText[128] = {};
    ::GetWindowTextW(m_hWnd, szText, 128);
    const HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    RECT rcText{};
    ::DrawTextW(hDC, szText, -1, &rcText, DT_SINGLELINE | DT_CALCRECT);
    const int cxIcon = m_hIcon != nullptr ? 16 : 0;
    const int cxGap = m_hIcon != nullptr && szText[0] != L'\0' ? m_nImageGap : 0;
    const int cxContent = cxIcon + cxGap + (rcText.right - rcText.left);
    const int shift = pressed ? 1 : 0;
    int x = rc.left + ((rc.right - rc.left) - cxContent) / 2 + shift;
    if (m_hIcon != nullptr) {
        const int y = rc.top + ((rc.bottom - rc.top) - 16) / 2 + shift;
        ::DrawStateW(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0, x, y, 16, 16,
                     DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
        x += cxIcon + cxGap;
    }
    RECT rcDraw{x, rc.top + shift, rc.right, rc.bottom + shift};
    ::SetBkMode(hDC, TRANSPARENT);
    if (disabled) {
        // Engraved text, as the system draws disabled buttons.
        OffsetRect(&rcDraw, 1, 1);
        ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextW(hDC, szText, -1, &rcDraw, DT_SINGLELINE | DT_VCENTER);
        OffsetRect(&rcDraw, -1, -1);
        ::SetTextColor(hDC, ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
    }
    ::DrawTextW(hDC, szText, -1, &rcDraw, DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(hDC, hOldFont);
    if ((lpDIS->itemState & ODS_FOCUS) != 0) {
        RECT rcFocus = rc;
        ::InflateRect(&rcFocus, -4, -4);
        ::DrawFocusRect(hDC, &rcFocus);
    }
}
