#include "CXTHyperLink.h"

#include "CXTMemDC.h"
#include "CXTPColorManager.h"
#include "CXTPResourceManager.h"
#include "NonClientMetrics.h"

IMPLEMENT_DYNAMIC(CXTHyperLink, CStatic)

BEGIN_MESSAGE_MAP(CXTHyperLink, CStatic)
    ON_WM_SETCURSOR()
    ON_WM_CREATE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCHITTEST()
    ON_CONTROL_REFLECT_EX(STN_CLICKED, OnClicked)
END_MESSAGE_MAP()

namespace {

constexpr UINT kFirstErrorText = 9037;
constexpr UINT kUnknownErrorText = 9050;

} // namespace

CXTHyperLink::CXTHyperLink()
{
    m_hCursor = ::LoadCursorW(nullptr, IDC_HAND);
    if (m_hCursor == nullptr)
        m_hCursor = GetResourceManager()->FetchCursor(9973);
}

CXTHyperLink::~CXTHyperLink() = default;

BOOL CXTHyperLink::IsTextControl() const
{
    return (GetStyle() & 0xFF) < 3;
}

void CXTHyperLink::Repaint()
{
    if (::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CXTHyperLink::AssignLinkColors(COLORREF clrLink, COLORREF clrVisited, COLORREF clrHover)
{
    m_clrLink = clrLink;
    m_clrVisited = clrVisited;
    m_clrHover = clrHover;
    Repaint();
}

void CXTHyperLink::MarkVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    Repaint();
}

void CXTHyperLink::SetBackgroundColor(COLORREF clrBack)
{
    m_clrBack = clrBack;
    Repaint();
}

COLORREF CXTHyperLink::BackgroundColor() const
{
    return m_clrBack == COLORREF(-1) ? GetColorManager()->GetColor(COLOR_BTNFACE) : m_clrBack;
}

void CXTHyperLink::EnableUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline;
    ApplyLinkFont();
}

void CXTHyperLink::SetHoverCursor(HCURSOR hCursor)
{
    m_hCursor = hCursor;
    Repaint();
}

BOOL CXTHyperLink::SetLinkTarget(LPCTSTR lpszURL)
{
    m_strURL = lpszURL != nullptr ? lpszURL : L"";
    if (m_strTipText.IsEmpty())
        m_strTipText = m_strURL;
    if (m_strTipText.IsEmpty())
        return FALSE;
    if (::IsWindow(m_toolTip.GetSafeHwnd())) {
        m_toolTip.UpdateTipText(m_strTipText, this);
    } else if (::IsWindow(m_hWnd) && m_toolTip.Create(this)) {
        m_toolTip.AddTool(this, m_strTipText);
        m_toolTip.Activate(m_bToolTip);
    }
    return TRUE;
}

HINSTANCE CXTHyperLink::ShellOpen(LPCTSTR lpszURL, LPCTSTR lpszParams, LPCTSTR lpszDir, int nShowCmd)
{
    return ::ShellExecuteW(nullptr, L"open", lpszURL, lpszParams, lpszDir, nShowCmd);
}

BOOL CXTHyperLink::OpenLinkTarget(LPCTSTR lpszURL, int nShowCmd, LPCTSTR lpszParams, LPCTSTR lpszDir)
{
    const CString strURL = lpszURL != nullptr ? CString(lpszURL) : m_strURL;
    const auto nResult = reinterpret_cast<INT_PTR>(ShellOpen(strURL, lpszParams, lpszDir, nShowCmd));
    if (nResult > 32)
        return TRUE;
    ShowOpenError(static_cast<int>(nResult));
    return FALSE;
}

CString CXTHyperLink::OpenErrorText(int nCode)
{
    // Shell error codes in the order of their texts 9037 to 9049.
    static constexpr int kCodes[] = {0, ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED,
                                     ERROR_NOT_ENOUGH_MEMORY, ERROR_BAD_FORMAT, SE_ERR_SHARE, SE_ERR_ASSOCINCOMPLETE,
                                     SE_ERR_DDETIMEOUT, SE_ERR_DDEFAIL, SE_ERR_DDEBUSY, SE_ERR_NOASSOC,
                                     SE_ERR_DLLNOTFOUND};
    CString strText;
    for (UINT i = 0; i < std::size(kCodes); ++i) {
        if (kCodes[i] == nCode) {
            GetResourceManager()->FetchString(strText, kFirstErrorText + i);
            return strText;
        }
    }
    CString strFormat;
    GetResourceManager()->FetchString(strFormat, kUnknownErrorText);
    strText.Format(strFormat, nCode);
    return strText;
}

void CXTHyperLink::ShowOpenError(int nCode)
{
    ::MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(OpenErrorText(nCode), MB_ICONEXCLAMATION);
}

BOOL CXTHyperLink::IsPointerOverText()
{
    if (!IsTextControl())
        return TRUE;
    CString strText;
    GetWindowText(strText);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    int nTextWidth = 0;
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(GetFont());
        nTextWidth = dc.GetTextExtent(strText).cx;
        dc.SelectObject(pOldFont);
    }
    switch (GetStyle() & 0xFF) {
    case SS_CENTER: {
        const int nInset = (rcWindow.Width() - nTextWidth) / 2;
        rcWindow.DeflateRect(nInset, 0);
        break;
    }
    case SS_RIGHT:
        rcWindow.left = rcWindow.right - nTextWidth;
        break;
    default:
        rcWindow.right = rcWindow.left + nTextWidth;
        break;
    }
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    return rcWindow.PtInRect(ptCursor);
}

void CXTHyperLink::MakeLinkFont(CFont& font, BOOL bUnderline)
{
    LOGFONTW lf{};
    const auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == nullptr || ::GetObjectW(hFont, sizeof(lf), &lf) == 0) {
        const NonClientMetrics metrics;
        lf = metrics.lfStatusFont;
    }
    lf.lfUnderline = static_cast<BYTE>(bUnderline ? 1 : 0);
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}

BOOL CXTHyperLink::ApplyLinkFont()
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    MakeLinkFont(m_font, m_bUnderline);
    SetFont(&m_font, FALSE);
    Repaint();
    return TRUE;
}

void CXTHyperLink::PrepareControl()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (IsTextControl()) {
        if (m_strURL.IsEmpty())
            GetWindowText(m_strURL);
        SetLinkTarget(m_strURL);
    }
    // Clicks reach the control only with SS_NOTIFY.
    ModifyStyle(0, SS_NOTIFY);
    ApplyLinkFont();
}

BOOL CXTHyperLink::PreCreateWindow(CREATESTRUCT& cs)
{
    // A window made here is prepared in WM_CREATE, once its text and font are set.
    m_bInitOnSubclass = FALSE;
    return CStatic::PreCreateWindow(cs);
}

void CXTHyperLink::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    if (m_bInitOnSubclass)
        PrepareControl();
}

int CXTHyperLink::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    if (Default() == -1)
        return -1;
    PrepareControl();
    return 0;
}

BOOL CXTHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (m_bToolTip && ::IsWindow(m_toolTip.GetSafeHwnd()) && pMsg->message >= WM_MOUSEFIRST
        && pMsg->message <= WM_MOUSELAST)
        m_toolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

BOOL CXTHyperLink::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor != nullptr && IsPointerOverText()) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CStatic::OnSetCursor(pWnd, nHitTest, message);
}

HBRUSH CXTHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (!IsTextControl())
        return nullptr;
    pDC->SetTextColor(m_bHover ? m_clrHover : m_bVisited ? m_clrVisited : m_clrLink);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CXTHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsTextControl() && IsPointerOverText())
        SetTimer(kHoverTimer, 10, nullptr);
    CStatic::OnMouseMove(nFlags, point);
}

void CXTHyperLink::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHoverTimer || !IsTextControl()) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    if (IsPointerOverText()) {
        m_bHover = TRUE;
    } else if (m_bHover) {
        KillTimer(kHoverTimer);
        m_bHover = FALSE;
    } else {
        // Goes back to false at the next tick, which then stops the timer.
        m_bHover = TRUE;
    }
    Repaint();
}

void CXTHyperLink::OnPaint()
{
    if (GetExStyle() & WS_EX_TRANSPARENT) {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, CXTPPaintManagerColorGradient(BackgroundColor()));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CXTHyperLink::OnWindowPosChanged(WINDOWPOS* /*lpwndpos*/)
{
    Default();
    Repaint();
}

BOOL CXTHyperLink::OnClicked()
{
    if (IsPointerOverText()) {
        MarkVisited(m_bOpenOnClick ? OpenLinkTarget(m_strURL, SW_SHOW, nullptr, nullptr) : TRUE);
        if (m_bToolTip && ::IsWindow(m_toolTip.GetSafeHwnd()))
            m_toolTip.Pop();
    }
    // A text link's click reaches the parent as well.
    return !IsTextControl();
}
