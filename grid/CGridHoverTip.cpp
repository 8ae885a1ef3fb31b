#include "CGridHoverTip.h"

#include "CClientDC.h"
#include "CPaintDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGridHoverTip, CWnd)

BEGIN_MESSAGE_MAP(CGridHoverTip, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

constexpr wchar_t kTipClass[] = L"ZTitleTip";
constexpr COLORREF kNoColour = 0xFF000000;

bool InClientArea(HWND hWnd, CPoint screen, LRESULT& hitTest)
{
    hitTest = ::SendMessageW(hWnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    return hitTest == HTCLIENT;
}

} // namespace

CGridHoverTip::CGridHoverTip()
    : m_dwDblClickMsecs(::GetDoubleClickTime())
{
    static bool registered = false;
    if (registered)
        return;
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSW wc{};
    if (!::GetClassInfoW(instance, kTipClass, &wc)) {
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
        wc.lpszClassName = kTipClass;
        if (!::RegisterClassW(&wc))
            AfxThrowResourceException();
    }
    registered = true;
}

CGridHoverTip::~CGridHoverTip()
{
    DestroyWindow();
}

BOOL CGridHoverTip::CreateTip(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    if (!m_bCreated && !GetSafeHwnd()) {
        // No parent or owner: the tip must float over every window.
        m_bCreated = CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kTipClass, nullptr, WS_POPUP | WS_BORDER, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
    }
    return GetSafeHwnd() != nullptr;
}

BOOL CGridHoverTip::DestroyWindow()
{
    m_bCreated = FALSE;
    return CWnd::DestroyWindow();
}

void CGridHoverTip::HideTip()
{
    if (!GetSafeHwnd())
        return;
    if (GetCapture() == this)
        ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CGridHoverTip::ShowOverCell(CRect rectTitle, LPCTSTR text, int xOffset, LPCRECT rectHover, const LOGFONTW* font,
                                 COLORREF textColour, COLORREF backColour)
{
    if (!GetSafeHwnd() && !CreateTip(m_pParentWnd))
        return;
    if (!m_pParentWnd || !m_pParentWnd->GetSafeHwnd() || rectTitle.IsRectEmpty() || IsWindowVisible())
        return;
    m_rectHover = rectHover ? CRect(*rectHover) : rectTitle;
    m_rectHover.right++;
    m_rectHover.bottom++;
    m_pParentWnd->ClientToScreen(&m_rectHover);
    // Only over an active program.
    if (!CWnd::GetFocus())
        return;
    m_pParentWnd->ClientToScreen(&rectTitle);

    CString shown = L" ";
    shown += text ? text : L"";
    shown += L" ";
    shown.Replace(L";", L"\r\n");
    m_ownFont.DeleteObject();
    if (font && m_ownFont.CreateFontIndirect(font))
        m_hShownFont = m_ownFont;
    else
        m_hShownFont = reinterpret_cast<HFONT>(m_pParentWnd->SendMessage(WM_GETFONT));

    const bool lineBreaks = shown.Find(L"\r\n") >= 0;
    CSize size;
    {
        CClientDC dc(this);
        const HGDIOBJ oldFont = m_hShownFont ? ::SelectObject(dc.GetSafeHdc(), m_hShownFont) : nullptr;
        if (lineBreaks) {
            // A fixed pitch estimate: 5 pixels a character, 15 a line.
            int lines = 0;
            int longest = 0;
            int lineStart = 0;
            for (int at = shown.Find(L"\r\n"); at >= 0; at = shown.Find(L"\r\n", lineStart)) {
                ++lines;
                longest = std::max(longest, at + 1 - lineStart);
                lineStart = at + 2;
            }
            size = CSize(5 * longest, 15 * lines);
        } else {
            size = dc.GetTextExtent(shown);
        }
        TEXTMETRICW metrics{};
        dc.GetTextMetrics(&metrics);
        size.cx += metrics.tmOverhang;
        if (oldFont)
            ::SelectObject(dc.GetSafeHdc(), oldFont);
    }

    CRect display;
    display.left = rectTitle.left + xOffset;
    display.top = rectTitle.top;
    display.right = display.left + size.cx + xOffset;
    if (rectTitle.right - xOffset >= display.right && !lineBreaks)
        return;
    m_strShown = shown;
    m_textSize = size;
    m_crText = textColour;
    m_crBack = backColour;
    // The border comes on top of the text's size, so the text is not cut off.
    CRect window(0, 0, size.cx + xOffset, size.cy);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(&wndTop, display.left, display.top, window.Width(), window.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    {
        CClientDC dc(this);
        PaintText(&dc);
    }
    SetCapture();
}

void CGridHoverTip::PaintText(CDC* pDC)
{
    if (m_crBack != kNoColour) {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, m_crBack);
    }
    if (m_crText != kNoColour)
        pDC->SetTextColor(m_crText);
    pDC->SetBkMode(TRANSPARENT);
    const HGDIOBJ oldFont = m_hShownFont ? ::SelectObject(pDC->GetSafeHdc(), m_hShownFont) : nullptr;
    CRect area(0, 0, m_textSize.cx, m_textSize.cy);
    pDC->DrawText(m_strShown, &area, DT_NOPREFIX | DT_WORDBREAK);
    if (oldFont)
        ::SelectObject(pDC->GetSafeHdc(), oldFont);
}

void CGridHoverTip::OnPaint()
{
    CPaintDC dc(this);
    PaintText(&dc);
}

HWND CGridHoverTip::WindowUnder(CPoint screen) const
{
    HWND under = ::WindowFromPoint(screen);
    if (under && under == m_hWnd)
        under = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    return under;
}

void CGridHoverTip::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    if (m_rectHover.PtInRect(screen))
        return;
    HideTip();
    HWND under = WindowUnder(screen);
    if (!under)
        return;
    LRESULT hitTest = HTNOWHERE;
    if (InClientArea(under, screen, hitTest)) {
        CPoint client = screen;
        ::ScreenToClient(under, &client);
        ::PostMessageW(under, WM_MOUSEMOVE, nFlags, MAKELPARAM(client.x, client.y));
    } else {
        ::PostMessageW(under, WM_NCMOUSEMOVE, static_cast<WPARAM>(hitTest), MAKELPARAM(screen.x, screen.y));
    }
}

BOOL CGridHoverTip::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        HideTip();
        if (m_pParentWnd)
            m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        bool doubleClick = false;
        if (pMsg->message == WM_LBUTTONDOWN) {
            const DWORD now = ::GetTickCount();
            // The first click has no click before it, however early it comes.
            doubleClick = m_dwLastLButtonDown != 0xFFFFFFFF && now - m_dwLastLButtonDown <= m_dwDblClickMsecs;
            m_dwLastLButtonDown = now;
        }
        CPoint screen(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        ::ClientToScreen(pMsg->hwnd, &screen);
        HideTip();
        HWND under = WindowUnder(screen);
        if (!under)
            return FALSE;
        UINT message = pMsg->message;
        WPARAM wParam = pMsg->wParam;
        LPARAM lParam;
        LRESULT hitTest = HTNOWHERE;
        if (InClientArea(under, screen, hitTest)) {
            CPoint client = screen;
            ::ScreenToClient(under, &client);
            lParam = MAKELPARAM(client.x, client.y);
            if (doubleClick)
                message = WM_LBUTTONDBLCLK;
        } else {
            message = message == WM_LBUTTONDOWN   ? (doubleClick ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN)
                      : message == WM_RBUTTONDOWN ? WM_NCRBUTTONDOWN
                                                  : WM_NCMBUTTONDOWN;
            wParam = static_cast<WPARAM>(hitTest);
            lParam = MAKELPARAM(screen.x, screen.y);
        }
        ::PostMessageW(under, message, wParam, lParam);
        return TRUE;
    }
    default:
        if (CWnd::GetFocus())
            return FALSE;
        HideTip();
        return TRUE;
    }
}
