#include "HoverBitmapButton.h"

#include "ProductInfo.h"

BEGIN_MESSAGE_MAP(HoverBitmapButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

HoverBitmapButton::HoverBitmapButton()
{
    ResetColors();
}

HoverBitmapButton::~HoverBitmapButton()
{
    FreePictures();
}

void HoverBitmapButton::ResetColors()
{
    for (int i = 0; i < 6; i += 2) {
        m_colors[i] = ::GetSysColor(COLOR_BTNFACE);
        m_colors[i + 1] = ::GetSysColor(COLOR_BTNTEXT);
    }
}

void HoverBitmapButton::FreePictures()
{
    for (Picture& p : m_pictures) {
        if (p.hBitmap != nullptr)
            ::DeleteObject(p.hBitmap);
        if (p.hMask != nullptr)
            ::DeleteObject(p.hMask);
        p = Picture{};
    }
}

int HoverBitmapButton::LoadPicture(int index, UINT nID, COLORREF crKey)
{
    Picture& p = m_pictures[index];
    p.hBitmap = static_cast<HBITMAP>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP bm{};
    if (p.hBitmap == nullptr || ::GetObjectW(p.hBitmap, sizeof(bm), &bm) == 0)
        return 1;
    p.cx = bm.bmWidth;
    p.cy = bm.bmHeight;
    // Mask: white where the picture has the key colour; the key pixels of the
    // picture turn black so that AND then OR lets the background show there.
    p.hMask = ::CreateBitmap(p.cx, p.cy, 1, 1, nullptr);
    if (p.hMask == nullptr)
        return 2;
    HDC hScreen = ::GetDC(nullptr);
    HDC hSrc = ::CreateCompatibleDC(hScreen);
    HDC hMask = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ oldSrc = ::SelectObject(hSrc, p.hBitmap);
    HGDIOBJ oldMask = ::SelectObject(hMask, p.hMask);
    ::SetBkColor(hSrc, crKey);
    ::BitBlt(hMask, 0, 0, p.cx, p.cy, hSrc, 0, 0, SRCCOPY);
    ::SetBkColor(hSrc, RGB(0, 0, 0));
    ::SetTextColor(hSrc, RGB(255, 255, 255));
    ::BitBlt(hSrc, 0, 0, p.cx, p.cy, hMask, 0, 0, SRCAND);
    ::SelectObject(hSrc, oldSrc);
    ::SelectObject(hMask, oldMask);
    ::DeleteDC(hSrc);
    ::DeleteDC(hMask);
    return 0;
}

int HoverBitmapButton::SetBitmaps(UINT nFirst, COLORREF crFirstKey, UINT nSecond, COLORREF crSecondKey,
                                  UINT nDisabled)
{
    FreePictures();
    int result = LoadPicture(0, nFirst, crFirstKey);
    if (result == 0 && nSecond != 0)
        result = LoadPicture(1, nSecond, crSecondKey);
    if (result == 0 && nDisabled != 0)
        result = LoadPicture(2, nDisabled, crSecondKey);
    if (result != 0)
        FreePictures();
    if (m_hWnd != nullptr)
        Invalidate();
    return result;
}

void HoverBitmapButton::SetTooltipText(const CString& text, BOOL bActivate)
{
    m_strDescription = text;
    if (m_hWnd == nullptr)
        return;
    if (m_hTooltip == nullptr) {
        m_hTooltip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
        ::SendMessageW(m_hTooltip, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    ti.lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(m_strDescription));
    if (::SendMessageW(m_hTooltip, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        GetClientRect(&ti.rect);
        ::SendMessageW(m_hTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    ::SendMessageW(m_hTooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
    if (bActivate)
        ::SendMessageW(m_hTooltip, TTM_ACTIVATE, TRUE, 0);
}

void HoverBitmapButton::PreSubclassWindow()
{
    const DWORD type = GetStyle() & 0x1F;
    m_bDefault = type == BS_DEFPUSHBUTTON;
    ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

int HoverBitmapButton::PictureToDraw(BOOL bPressed, BOOL bDisabled) const
{
    if (m_pictures[0].hBitmap == nullptr)
        return -1;
    if (m_bHover || bPressed)
        return 0;
    if (bDisabled)
        return m_pictures[2].hBitmap != nullptr ? 2 : -1;
    return m_pictures[1].hBitmap != nullptr ? 1 : 0;
}

void HoverBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    m_bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    m_bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    CRect rect(lpDIS->rcItem);
    DrawBackground(pDC, rect);
    DrawBorder(pDC, rect);
    DrawIcon(pDC, rect);
    DrawBitmap(pDC, rect);
    DrawText(pDC, rect);
}

void HoverBitmapButton::DrawBackground(CDC* pDC, const CRect& rect)
{
    const BOOL focused = ::GetFocus() == m_hWnd;
    pDC->FillSolidRect(&rect, m_bHover || m_bPressed ? m_colors[0] : focused ? m_colors[4] : m_colors[2]);
}

void HoverBitmapButton::DrawBorder(CDC* pDC, const CRect& rect)
{
    if (m_bPressed)
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else if (m_bHover)
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

void HoverBitmapButton::DrawBitmap(CDC* pDC, const CRect& rect)
{
    const int index = PictureToDraw(m_bPressed, m_bDisabled);
    if (index < 0)
        return;
    const Picture& p = m_pictures[index];
    int x = rect.left + (rect.Width() - p.cx) / 2;
    int y = rect.top + (rect.Height() - p.cy) / 2;
    if (m_bPressed) {
        x += m_pressedOffset.x;
        y += m_pressedOffset.y;
    }
    pDC->SetBkColor(RGB(255, 255, 255));
    HDC hMem = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ old = ::SelectObject(hMem, p.hMask);
    ::BitBlt(pDC->GetSafeHdc(), x, y, p.cx, p.cy, hMem, 0, 0, SRCAND);
    ::SelectObject(hMem, p.hBitmap);
    ::BitBlt(pDC->GetSafeHdc(), x, y, p.cx, p.cy, hMem, 0, 0, SRCPAINT);
    ::SelectObject(hMem, old);
    ::DeleteDC(hMem);
}

void HoverBitmapButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pStatus != nullptr && m_pStatus->GetSafeHwnd() != nullptr) {
        m_pStatus->SetWindowText(m_strDescription);
        m_pStatus->Invalidate();
    }
    if (m_pTabItem != nullptr)
        m_pTabItem->SetCaption(m_strDescription);
    Default();
    if ((nFlags & MK_LBUTTON) != 0 && !m_bHover)
        return;
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    if (::WindowFromPoint(screen) == m_hWnd) {
        if (!m_bHover) {
            m_bHover = TRUE;
            Invalidate();
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&tme);
        }
    } else {
        LeaveHover();
    }
}

void HoverBitmapButton::LeaveHover()
{
    if (m_bHover) {
        m_bHover = FALSE;
        Invalidate();
    }
}

void HoverBitmapButton::OnMouseLeave()
{
    LeaveHover();
    if (m_pStatus != nullptr && m_pStatus->GetSafeHwnd() != nullptr)
        m_pStatus->SetWindowText(kProductHomePage);
    if (m_pTabItem != nullptr)
        m_pTabItem->SetCaption(L"");
}

void HoverBitmapButton::OnKillFocus(CWnd*)
{
    Default();
    LeaveHover();
}

void HoverBitmapButton::OnCancelMode()
{
    Default();
    LeaveHover();
}

void HoverBitmapButton::OnEnable(BOOL bEnable)
{
    Default();
    if (!bEnable) {
        LeaveHover();
        HWND parent = ::GetParent(m_hWnd);
        HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
        ::SetFocus(next != nullptr && next != m_hWnd ? next : parent);
    }
}

void HoverBitmapButton::OnSysColorChange()
{
    Default();
    ResetColors();
    Invalidate();
}

UINT HoverBitmapButton::OnGetDlgCode()
{
    return static_cast<UINT>(Default()) | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

BOOL HoverBitmapButton::OnClicked()
{
    SetFocus();
    return FALSE;   // the parent still gets the click
}

BOOL HoverBitmapButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_hTooltip != nullptr)
        ::SendMessageW(m_hTooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    if (pMsg->message == WM_LBUTTONDBLCLK)
        pMsg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(pMsg);
}
