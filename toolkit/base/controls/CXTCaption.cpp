#include "CXTCaption.h"

#include "CXTCaptionPopupWnd.h"
#include "CXTCaptionTheme.h"
#include "CXTCaptionThemeFactory.h"
#include "CXTMemDC.h"
#include "CXTPColorManager.h"
#include "ToolkitLookData.h"

#include <memory>

IMPLEMENT_DYNAMIC(CXTCaption, CStatic)

namespace {

// Carries a change made on another thread to the caption's own thread.
constexpr UINT kChangeFromOtherThread = WM_APP + 0x273D;

struct CaptionChange {
    bool hasText;
    CString text;
    HICON hIcon;
};

constexpr int kImageClose = 2;

} // namespace

BEGIN_MESSAGE_MAP(CXTCaption, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DESTROY()
    ON_BN_CLICKED(CXTCaption::kButtonId, OnButtonClicked)
    ON_MESSAGE(WM_CAPTIONPOPUP_PINNED, OnPopupPinned)
    ON_MESSAGE(WM_CAPTIONPOPUP_CLOSED, OnPopupClosed)
    ON_MESSAGE(kChangeFromOtherThread, OnChangeFromOtherThread)
END_MESSAGE_MAP()

CXTCaption::CXTCaption()
    : CXTThemeHost(RUNTIME_CLASS(CXTCaptionThemeFactory)),
      m_clrBorder(::GetSysColor(COLOR_BTNFACE)),
      m_clrFace(::GetSysColor(COLOR_BTNFACE)),
      m_clrText(::GetSysColor(COLOR_BTNTEXT)),
      m_sizeIcon(CappedIconExtent(::GetSystemMetrics(SM_CXSMICON)), CappedIconExtent(::GetSystemMetrics(SM_CYSMICON)))
{
}

CXTCaption::~CXTCaption()
{
    ClosePopup();
}

CXTCaptionTheme* CXTCaption::GetTheme() const
{
    return static_cast<CXTCaptionTheme*>(ThemeInUse());
}

BOOL CXTCaption::Create(CWnd* pParentWnd, LPCTSTR lpszText, DWORD dwCaptionStyle, DWORD dwStyle, const CRect& rect,
                        UINT nID)
{
    if (!CStatic::Create(L"", dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID))
        return FALSE;
    SetFont(&ToolkitLookData().fontNormal, FALSE);
    m_dwCaptionStyle = dwCaptionStyle & CaptionStyleMask;
    if (const DWORD dwExStyle = dwCaptionStyle & ~CaptionStyleMask)
        ModifyStyleEx(0, dwExStyle);
    m_strCaption = lpszText != nullptr ? lpszText : L"";

    m_captionButton.SetCaption(this);
    if (m_dwCaptionStyle & CaptionCloseButton) {
        if (!m_captionButton.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON | BS_CENTER | BS_VCENTER,
                                    CRect(0, 0, 0, 0), this, kButtonId))
            return FALSE;
        if (m_imageList.Create(9002, 16, 1, RGB(255, 0, 255))) {
            m_iconClose.SetIcon(m_imageList.ExtractIcon(kImageClose));
            m_captionButton.SetIcon(CSize(16, 15), m_iconClose);
        }
    } else {
        if (!m_captionButton.Create(m_strCaption, WS_CHILD | BS_OWNERDRAW | BS_ICON | BS_VCENTER, CRect(0, 0, 0, 0),
                                    this, kButtonId))
            return FALSE;
        m_bTextButton = TRUE;
    }
    m_captionButton.SetOwner(this);
    m_captionButton.SetLookFlags(0);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return TRUE;
}

void CXTCaption::ConfigureCaption(int nBorder, CFont* pFont, LPCTSTR lpszText, HICON hIcon)
{
    if (nBorder != 0)
        m_nBorder = nBorder;
    if (pFont != nullptr) {
        SetFont(pFont, FALSE);
        if (::IsWindow(m_captionButton.GetSafeHwnd()))
            m_captionButton.SetFont(pFont);
    }
    if (lpszText != nullptr)
        m_strCaption = lpszText;
    if (hIcon != nullptr)
        m_hIcon = hIcon;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTCaption::ApplyCaptionColors(COLORREF clrBorder, COLORREF clrFace, COLORREF clrText)
{
    m_clrBorder = clrBorder;
    m_clrFace = clrFace;
    m_clrText = clrText;
    m_bUserColors = TRUE;
    m_captionButton.CopyCaptionColors();
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTCaption::ChangeCaptionNow(LPCTSTR lpszText, HICON hIcon)
{
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr && ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) {
        // Posted, not sent: the UI thread may itself be waiting for this worker.
        auto pChange = std::make_unique<CaptionChange>();
        pChange->hasText = lpszText != nullptr;
        pChange->text = lpszText != nullptr ? lpszText : L"";
        pChange->hIcon = hIcon;
        if (::PostMessageW(hWnd, kChangeFromOtherThread, 0, reinterpret_cast<LPARAM>(pChange.get())))
            pChange.release();
        return;
    }
    UpdateCaption(lpszText, hIcon);
}

LRESULT CXTCaption::OnChangeFromOtherThread(WPARAM /*wParam*/, LPARAM lParam)
{
    std::unique_ptr<CaptionChange> pChange(reinterpret_cast<CaptionChange*>(lParam));
    UpdateCaption(pChange->hasText ? pChange->text.GetString() : nullptr, pChange->hIcon);
    return 0;
}

void CXTCaption::OnDestroy()
{
    // Changes still on their way would be lost with the window: free them.
    MSG msg;
    while (::PeekMessageW(&msg, m_hWnd, kChangeFromOtherThread, kChangeFromOtherThread, PM_REMOVE))
        delete reinterpret_cast<CaptionChange*>(msg.lParam);
    ClosePopup();
    CStatic::OnDestroy();
}

void CXTCaption::UpdateCaption(LPCTSTR lpszText, HICON hIcon)
{
    if (lpszText != nullptr)
        m_strCaption = lpszText;
    if (hIcon != nullptr)
        m_hIcon = hIcon;
    if (!::IsWindow(m_hWnd))
        return;
    CClientDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    // Text and icon both go on the new background, whichever of them changed.
    DrawCaptionBack(&dc, rcClient);
    DrawCaptionText(&dc);
    DrawCaptionIcon(&dc, rcClient);
}

void CXTCaption::AttachPopupChild(CWnd* pChild, CWnd* pNotifyWnd)
{
    m_pChildWnd = pChild;
    m_pNotifyWnd = pNotifyWnd;
    if (pChild == nullptr || !::IsWindow(pChild->GetSafeHwnd()))
        return;
    m_pParentWnd = pChild->GetParent();
    m_pGrandParentWnd = m_pParentWnd != nullptr ? m_pParentWnd->GetParent() : nullptr;
    pChild->GetWindowRect(&m_rcChild);
    if (m_pParentWnd != nullptr)
        m_pParentWnd->GetClientRect(&m_rcParent);
    if (m_pGrandParentWnd != nullptr)
        m_pGrandParentWnd->GetClientRect(&m_rcGrandParent);
    m_nOffset = m_rcParent.Height() - m_rcChild.Height();
    if (::IsWindow(m_captionButton.GetSafeHwnd())) {
        m_captionButton.ShowWindow(SW_SHOW);
        m_captionButton.UpdateWindow();
    }
    m_rcParent.right += 2 * ::GetSystemMetrics(SM_CXEDGE);
    m_rcParent.bottom += 2 * ::GetSystemMetrics(SM_CYEDGE);
}

CRect CXTCaption::GetTextRect() const
{
    if (m_strCaption.IsEmpty() || !::IsWindow(m_hWnd))
        return CRect(0, 0, 0, 0);
    CRect rcClient;
    GetClientRect(&rcClient);
    CClientDC dc(const_cast<CXTCaption*>(this));
    CFont* pOldFont = dc.SelectObject(GetFont());
    const int cxText = dc.GetTextExtent(m_strCaption).cx;
    TEXTMETRICW tm{};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOldFont);
    const int nRoom = rcClient.Width() - (m_hIcon != nullptr ? 18 : 0);
    const int nWanted = cxText + tm.tmAveCharWidth + 12;
    return CRect(m_nBorder, m_nBorder, m_nBorder + (nRoom < nWanted ? nRoom : nWanted), rcClient.Height() - m_nBorder);
}

CRect CXTCaption::GetButtonRect() const
{
    if (!::IsWindow(m_captionButton.GetSafeHwnd()))
        return CRect(0, 0, 0, 0);
    if (m_dwCaptionStyle & CaptionCloseButton) {
        CRect rcClient;
        GetClientRect(&rcClient);
        const int nTop = (rcClient.Height() - 15) / 2;
        return CRect(rcClient.Width() - 18, nTop, rcClient.Width() - 2, nTop + 15);
    }
    return GetTextRect();
}

void CXTCaption::DrawCaptionBack(CDC* pDC, const CRect& rcClient)
{
    GetTheme()->DrawCaptionBack(pDC, this, rcClient);
}

void CXTCaption::DrawCaptionText(CDC* pDC)
{
    GetTheme()->DrawCaptionText(pDC, this);
}

void CXTCaption::DrawCaptionIcon(CDC* pDC, const CRect& rcClient)
{
    GetTheme()->DrawCaptionIcon(pDC, this, rcClient);
}

void CXTCaption::OnThemeChanged()
{
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTCaption::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (::IsWindow(m_captionButton.GetSafeHwnd()) && (m_captionButton.GetStyle() & WS_VISIBLE))
        dc.ExcludeClipRect(GetButtonRect());
    CXTMemDC memDC(&dc, rcClient, CXTPPaintManagerColorGradient(GetColorManager()->GetColor(COLOR_BTNFACE)));
    DrawCaptionBack(&memDC, rcClient);
    DrawCaptionText(&memDC);
    DrawCaptionIcon(&memDC, rcClient);
}

void CXTCaption::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    if (m_hIcon != nullptr)
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
    m_clrText = GetColorManager()->GetColor(COLOR_BTNTEXT);
    m_clrBorder = m_clrFace = GetColorManager()->GetColor(COLOR_BTNFACE);
    m_captionButton.CopyCaptionColors();
    Invalidate();
}

void CXTCaption::NotifyOwner(UINT message)
{
    CWnd* pTarget = m_pNotifyWnd != nullptr ? m_pNotifyWnd : GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr && ::IsWindow(pTarget->GetSafeHwnd()))
        pTarget->SendMessage(message, 0, reinterpret_cast<LPARAM>(m_hWnd));
}

void CXTCaption::OnButtonClicked()
{
    if (!(m_dwCaptionStyle & CaptionCloseButton)) {
        ShowPopup();
        return;
    }
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr)
        pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CXTCaption::ShowPopup()
{
    if (m_pPopup != nullptr && ::IsWindow(m_pPopup->GetSafeHwnd()) && m_pPopup->IsWindowVisible())
        return;
    if (m_pChildWnd == nullptr || m_pParentWnd == nullptr || !::IsWindow(m_pChildWnd->GetSafeHwnd()))
        return;
    CRect rcPopup = m_rcParent;
    m_pParentWnd->ClientToScreen(&rcPopup);
    if (m_pGrandParentWnd != nullptr) {
        CRect rcGrandParent;
        m_pGrandParentWnd->GetClientRect(&rcGrandParent);
        rcPopup.bottom += rcGrandParent.Height() - m_rcGrandParent.Height();
    }
    if (m_pPopup == nullptr) {
        m_pPopup = new CXTCaptionPopupWnd;
        if (!m_pPopup->Create(rcPopup, this, m_pChildWnd)) {
            ClosePopup();
            return;
        }
    }
    m_pPopup->SetWindowPos(&CWnd::wndTop, rcPopup.left, rcPopup.top, rcPopup.Width(), rcPopup.Height(),
                           SWP_SHOWWINDOW);
    m_captionButton.SendMessage(BM_SETSTATE, 1);
    // The popup stays open while the focus is inside it.
    m_pChildWnd->SetFocus();
}

void CXTCaption::ClosePopup()
{
    if (::IsWindow(m_captionButton.GetSafeHwnd()))
        m_captionButton.SendMessage(BM_SETSTATE, 0);
    // The popup's window gives the child back to its parent as it goes.
    delete m_pPopup;
    m_pPopup = nullptr;
}

LRESULT CXTCaption::OnPopupPinned(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    ClosePopup();
    if (m_pChildWnd != nullptr && m_pParentWnd != nullptr && ::IsWindow(m_pChildWnd->GetSafeHwnd())) {
        CRect rcClient;
        m_pParentWnd->GetClientRect(&rcClient);
        rcClient.top = m_nOffset;
        m_pChildWnd->MoveWindow(&rcClient);
        m_pChildWnd->ShowWindow(SW_SHOW);
    }
    NotifyOwner(WM_CAPTIONPOPUP_PINNED);
    Invalidate();
    return 0;
}

LRESULT CXTCaption::OnPopupClosed(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // A notice left over from a popup already gone changes nothing.
    if (m_pPopup == nullptr)
        return 0;
    ClosePopup();
    NotifyOwner(WM_CAPTIONPOPUP_CLOSED);
    Invalidate();
    return 0;
}
