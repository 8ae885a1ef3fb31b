#include "CXTCaption.h"

#include "CXTGradientFiller.h"
#include "CXTMemDC.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(CXTCaption, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_BN_CLICKED(CXTCaption::kButtonId, OnButtonClicked)
END_MESSAGE_MAP()

CXTCaption::CXTCaption()
    : m_clrBack(::GetSysColor(COLOR_BTNFACE)),
      m_clrSecond(::GetSysColor(COLOR_BTNFACE)),
      m_clrText(::GetSysColor(COLOR_BTNTEXT)),
      m_sizeIcon(CappedIconExtent(::GetSystemMetrics(SM_CXSMICON)), CappedIconExtent(::GetSystemMetrics(SM_CYSMICON)))
{
}

BOOL CXTCaption::Create(CWnd* pParentWnd, LPCTSTR lpszText, DWORD dwCaptionStyle, DWORD dwStyle, const CRect& rect,
                        UINT nID)
{
    if (!CStatic::Create(L"", dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID))
        return FALSE;
    m_pFont = &ToolkitLookData().fontNormal;
    SetFont(m_pFont, FALSE);
    m_dwCaptionStyle = dwCaptionStyle & CaptionStyleMask;
    if (const DWORD dwExStyle = dwCaptionStyle & ~CaptionStyleMask)
        ModifyStyleEx(0, dwExStyle);
    {
        std::lock_guard lock(m_mutex);
        m_strCaption = lpszText != nullptr ? lpszText : L"";
    }
    if (m_dwCaptionStyle & CaptionCloseButton) {
        if (!m_captionButton.Create(L"x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
                                    GetButtonRect(), this, kButtonId))
            return FALSE;
        m_captionButton.SetFont(m_pFont, FALSE);
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return TRUE;
}

void CXTCaption::ConfigureCaption(int nBorder, CFont* pFont, LPCTSTR lpszText, HICON hIcon)
{
    if (nBorder != 0)
        m_nBorder = nBorder;
    if (pFont != nullptr) {
        m_pFont = pFont;
        if (::IsWindow(m_captionButton.GetSafeHwnd()))
            m_captionButton.SetFont(pFont);
    }
    {
        std::lock_guard lock(m_mutex);
        if (lpszText != nullptr)
            m_strCaption = lpszText;
        if (hIcon != nullptr)
            m_hIcon = hIcon;
    }
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTCaption::ApplyCaptionColors(COLORREF clrBack, COLORREF clrSecond, COLORREF clrText)
{
    m_clrBack = clrBack;
    m_clrSecond = clrSecond;
    m_clrText = clrText;
    m_bUserColors = TRUE;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTCaption::ChangeCaptionNow(LPCTSTR lpszText, HICON hIcon)
{
    {
        std::lock_guard lock(m_mutex);
        if (lpszText != nullptr)
            m_strCaption = lpszText;
        if (hIcon != nullptr)
            m_hIcon = hIcon;
    }
    const HWND hWnd = m_hWnd;
    if (!::IsWindow(hWnd))
        return;
    // Another thread (the save worker) only marks the caption for repainting:
    // its owner paints it at once and nothing waits on the UI thread.
    if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return;
    }
    HDC hDC = ::GetDC(hWnd);
    if (hDC == nullptr)
        return;
    CDC dc;
    dc.Attach(hDC);
    PaintCaption(&dc);
    dc.Detach();
    ::ReleaseDC(hWnd, hDC);
}

CString CXTCaption::GetCaptionText() const
{
    std::lock_guard lock(m_mutex);
    return m_strCaption;
}

HICON CXTCaption::GetCaptionIcon() const
{
    std::lock_guard lock(m_mutex);
    return m_hIcon;
}

CRect CXTCaption::GetTextRect() const
{
    const CString strText = GetCaptionText();
    if (strText.IsEmpty() || !::IsWindow(m_hWnd))
        return CRect(0, 0, 0, 0);
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, m_pFont != nullptr ? m_pFont->GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE sizeText{};
    ::GetTextExtentPoint32W(hDC, strText, strText.GetLength(), &sizeText);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    const int nRoom = rcClient.Width() - (GetCaptionIcon() != nullptr ? 18 : 0);
    const int nWanted = sizeText.cx + tm.tmAveCharWidth + 12;
    return CRect(m_nBorder, m_nBorder, m_nBorder + (nRoom < nWanted ? nRoom : nWanted), rcClient.Height() - m_nBorder);
}

CRect CXTCaption::GetButtonRect() const
{
    if (!::IsWindow(m_hWnd))
        return CRect(0, 0, 0, 0);
    if (m_dwCaptionStyle & CaptionCloseButton) {
        CRect rcClient;
        ::GetClientRect(m_hWnd, &rcClient);
        const int nTop = (rcClient.Height() - 15) / 2;
        return CRect(rcClient.Width() - 18, nTop, rcClient.Width() - 2, nTop + 15);
    }
    return GetTextRect();
}

void CXTCaption::DrawCaptionBack(CDC* pDC, const CRect& rcClient)
{
    CXTGradientFiller::Instance().FillGradient(pDC, rcClient, m_clrBack, m_clrSecond, TRUE);
}

void CXTCaption::DrawCaptionText(CDC* pDC)
{
    CRect rcText = GetTextRect();
    if (rcText.IsRectEmpty())
        return;
    rcText.left += 6;
    const HDC hDC = pDC->GetSafeHdc();
    const HGDIOBJ hOldFont = ::SelectObject(hDC, m_pFont->GetSafeHandle());
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, m_clrText);
    const CString strText = GetCaptionText();
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(hDC, hOldFont);
}

void CXTCaption::DrawCaptionIcon(CDC* pDC, const CRect& rcClient)
{
    const HICON hIcon = GetCaptionIcon();
    if (hIcon == nullptr)
        return;
    const int x = rcClient.right - m_nBorder - m_sizeIcon.cx - 1;
    const int y = rcClient.top + (rcClient.Height() - m_sizeIcon.cy) / 2;
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, m_sizeIcon.cx, m_sizeIcon.cy, 0, nullptr, DI_NORMAL);
}

void CXTCaption::PaintCaption(CDC* pDC)
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (::IsWindow(m_captionButton.GetSafeHwnd()) && (m_captionButton.GetStyle() & WS_VISIBLE))
        pDC->ExcludeClipRect(GetButtonRect());
    CXTMemDC memDC(pDC, rcClient);
    memDC.FillSolidRect(&rcClient, ::GetSysColor(COLOR_BTNFACE));
    DrawCaptionBack(&memDC, rcClient);
    DrawCaptionText(&memDC);
    DrawCaptionIcon(&memDC, rcClient);
}

void CXTCaption::OnPaint()
{
    CPaintDC dc(this);
    PaintCaption(&dc);
}

void CXTCaption::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    if (GetCaptionIcon() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CXTCaption::OnWindowPosChanged(WINDOWPOS* /*lpwndpos*/)
{
    Default();
    if (::IsWindow(m_captionButton.GetSafeHwnd())) {
        const CRect rcButton = GetButtonRect();
        m_captionButton.MoveWindow(&rcButton);
    }
}

void CXTCaption::OnSysColorChange()
{
    Default();
    if (m_bUserColors)
        return;
    m_clrText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrBack = m_clrSecond = ::GetSysColor(COLOR_BTNFACE);
    Invalidate();
}

void CXTCaption::OnButtonClicked()
{
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr)
        pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}
