#include "CXTCaptionPopupWnd.h"

#include "CXTPColorManager.h"
#include "CXTPResourceManager.h"

IMPLEMENT_DYNAMIC(CXTCaptionPopupWnd, CWnd)

BEGIN_MESSAGE_MAP(CXTCaptionPopupWnd, CWnd)
    ON_WM_DESTROY()
    ON_BN_CLICKED(CXTCaptionPopupWnd::kPinId, OnPinClicked)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr wchar_t kClassName[] = L"XTCaptionPopupWnd";
constexpr int kInnerCaptionHeight = 19;

} // namespace

CXTCaptionPopupWnd::CXTCaptionPopupWnd()
{
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    WNDCLASSW wc{};
    if (::GetClassInfoW(hInstance, kClassName, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassW(&wc))
        AfxThrowResourceException();
}

CXTCaptionPopupWnd::~CXTCaptionPopupWnd()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CXTCaptionPopupWnd::Create(const CRect& rect, CXTCaption* pCaption, CWnd* pChild)
{
    if (pCaption == nullptr || pChild == nullptr || !::IsWindow(pCaption->GetSafeHwnd())
        || !::IsWindow(pChild->GetSafeHwnd()))
        return FALSE;
    m_pOwnerCaption = pCaption;
    m_pChildWnd = pChild;
    if (!CreateEx(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_VISIBLE | WS_DLGFRAME, rect, pCaption, 0))
        return FALSE;
    m_hPreviousParent = ::SetParent(pChild->GetSafeHwnd(), m_hWnd);

    CString strPrompt;
    GetResourceManager()->FetchString(strPrompt, 9036);
    if (!m_caption.Create(this, strPrompt, CXTCaption::CaptionRaised, WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER,
                          CRect(0, 0, 0, 0), 0xFFFF))
        return FALSE;
    m_caption.SetTextButton(FALSE);

    m_pinButton.SetCaption(&m_caption);
    if (!m_pinButton.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON | BS_PUSHLIKE, CRect(0, 0, 0, 0), this,
                            kPinId))
        return FALSE;
    CImageList images;
    if (!images.Create(9002, 16, 1, RGB(255, 0, 255)))
        return FALSE;
    m_iconPin.SetIcon(images.ExtractIcon(0));
    m_iconPinPushed.SetIcon(images.ExtractIcon(1));
    m_pinButton.SetIcon(CSize(16, 15), m_iconPin, m_iconPinPushed);

    RecalcLayout();
    return SetTimer(kFocusTimer, 10, nullptr) != 0;
}

void CXTCaptionPopupWnd::RecalcLayout()
{
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(2, 2);
    CRect rcCaption(rc.left, rc.top, rc.right, rc.top + kInnerCaptionHeight);
    m_caption.MoveWindow(&rcCaption);
    if (m_pChildWnd != nullptr && ::IsWindow(m_pChildWnd->GetSafeHwnd()))
        m_pChildWnd->MoveWindow(rc.left, rcCaption.bottom, rc.Width(), rc.bottom - rcCaption.bottom);
    m_pinButton.MoveWindow(rcCaption.right - 2 - 16, rcCaption.top + 2, 16, kInnerCaptionHeight - 4);
}

BOOL CXTCaptionPopupWnd::RestoreParent()
{
    if (m_pChildWnd == nullptr || !::IsWindow(m_pChildWnd->GetSafeHwnd()) || !::IsWindow(m_hPreviousParent))
        return FALSE;
    ::SetParent(m_pChildWnd->GetSafeHwnd(), m_hPreviousParent);
    return TRUE;
}

BOOL CXTCaptionPopupWnd::CheckFocus()
{
    const HWND hFocus = ::GetFocus();
    const HWND hChild = m_pChildWnd != nullptr ? m_pChildWnd->GetSafeHwnd() : nullptr;
    if (hFocus == m_caption.GetSafeHwnd() || hFocus == m_pinButton.GetSafeHwnd() || hFocus == m_hWnd
        || (hFocus != nullptr && hFocus == hChild))
        return FALSE;
    if (m_pOwnerCaption == nullptr || !::IsWindow(m_pOwnerCaption->GetSafeHwnd()))
        return FALSE;
    // Posted: the caption destroys this popup, which must not happen inside
    // the popup's own timer handler. One notice is enough.
    KillTimer(kFocusTimer);
    m_pOwnerCaption->PostMessage(WM_CAPTIONPOPUP_CLOSED);
    return TRUE;
}

void CXTCaptionPopupWnd::OnDestroy()
{
    RestoreParent();
    CWnd::OnDestroy();
}

void CXTCaptionPopupWnd::OnPinClicked()
{
    // Posted for the same reason as the closed notice: the caption closes the popup.
    if (m_pOwnerCaption != nullptr && ::IsWindow(m_pOwnerCaption->GetSafeHwnd()))
        m_pOwnerCaption->PostMessage(WM_CAPTIONPOPUP_PINNED);
}

void CXTCaptionPopupWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(&rc, GetColorManager()->GetColor(COLOR_BTNSHADOW), GetColorManager()->GetColor(COLOR_BTNHIGHLIGHT));
    m_caption.Invalidate();
}

void CXTCaptionPopupWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kFocusTimer)
        CheckFocus();
    else
        CWnd::OnTimer(nIDEvent);
}
