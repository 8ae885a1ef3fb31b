#include "CXTButton.h"

#include "CXTButtonThemeFactory.h"
#include "CXTButtonThemeGradient.h"
#include "CXTMemDC.h"
#include "CXTPColorManager.h"
#include "CXTPImageManagerIcon.h"
#include "FontHelpers.h"
#include "IconHelpers.h"
#include "ImageResources.h"
#include "ToolkitLookData.h"

IMPLEMENT_DYNAMIC(CXTButton, CButton)

BEGIN_MESSAGE_MAP(CXTButton, CButton)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CXTButton::CXTButton(const CRuntimeClass* pFactoryClass)
    : CXTThemeHost(pFactoryClass != nullptr ? pFactoryClass : RUNTIME_CLASS(CXTButtonThemeFactory))
{
}

CXTButton::~CXTButton()
{
    CleanUpIcon();
}

CXTButtonTheme* CXTButton::GetTheme() const
{
    return dynamic_cast<CXTButtonTheme*>(ThemeInUse());
}

void CXTButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->DrawItem(lpDIS, this);
}

// ---- owner drawing and painting -------------------------------------------

BOOL CXTButton::PreCreateWindow(CREATESTRUCT& cs)
{
    // A button made here turns owner-drawn on WM_CREATE, not when it is subclassed.
    m_bPreSubclassInit = FALSE;
    return CButton::PreCreateWindow(cs);
}

void CXTButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    if (m_bPreSubclassInit)
        InitOwnerDraw();
}

int CXTButton::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CButton::OnCreate(lpcs) == -1)
        return -1;
    InitOwnerDraw();
    return 0;
}

void CXTButton::InitOwnerDraw()
{
    const DWORD dwStyle = GetStyle();
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((dwStyle & ~DWORD(0xFF)) | BS_OWNERDRAW));
}

BOOL CXTButton::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, CXTPPaintManagerColorGradient(GetColorManager()->GetColor(COLOR_BTNFACE)));
    // The button's own procedure paints into the memory DC and asks for the
    // owner drawing, which comes back to DrawItem.
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

LRESULT CXTButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE) {
        if (CXTButtonTheme* pTheme = GetTheme())
            pTheme->RefreshMetrics();
    }
    return CButton::WindowProc(message, wParam, lParam);
}

void CXTButton::OnThemeChanged()
{
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTButton::RedrawIfAsked(BOOL bRedraw)
{
    if (bRedraw && ::IsWindow(m_hWnd))
        Invalidate();
}

// ---- hot tracking and pressing ----------------------------------------------

void CXTButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme != nullptr && pTheme->NeedsHotTracking(this)) {
        SetTimer(kHotTimer, 10, nullptr);
        CheckHot();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CXTButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHotTimer)
        CheckHot();
    else
        CButton::OnTimer(nIDEvent);
}

void CXTButton::CheckHot()
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (m_bPushed || !rcWindow.PtInRect(ptCursor)) {
        KillTimer(kHotTimer);
        if (m_bHot) {
            m_bHot = FALSE;
            Invalidate(TRUE);
        }
    } else if (!m_bHot) {
        m_bHot = TRUE;
        Invalidate();
    }
}

void CXTButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetPushed(TRUE);
    CButton::OnLButtonDown(nFlags, point);
}

void CXTButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    SetPushed(FALSE);
    CButton::OnLButtonUp(nFlags, point);
}

void CXTButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click acts as a second click.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CXTButton::SetPushed(BOOL bPushed)
{
    if (m_bPushed == bPushed)
        return;
    m_bPushed = bPushed;
    RedrawIfAsked(TRUE);
}

// ---- images and placement ---------------------------------------------------

CSize CXTButton::GetImageSize() const
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != nullptr && pTheme->GetDrawImages() ? m_sizeImage : CSize(0, 0);
}

CPoint CXTButton::GetImagePoint() const
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != nullptr && pTheme->GetDrawImages() ? m_ptImage : CPoint(0, 0);
}

CPoint CXTButton::GetTextPoint() const
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != nullptr && pTheme->GetDrawImages() ? m_ptText : CPoint(0, 0);
}

void CXTButton::SetTextAndImagePos(CPoint ptImage, CPoint ptText, BOOL bRedraw)
{
    m_ptImage = ptImage;
    m_ptText = ptText;
    m_bUserPosition = TRUE;
    RedrawIfAsked(bRedraw);
}

void CXTButton::CleanUpIcon()
{
    if (m_pIcon != nullptr)
        m_pIcon->InternalRelease();
    m_pIcon = nullptr;
}

BOOL CXTButton::SetIcon(CSize size, const CXTPImageManagerIconHandle& hIcon,
                        const CXTPImageManagerIconHandle& hIconHot, BOOL bRedraw)
{
    if (hIcon.IsEmpty())
        return FALSE;
    auto* pIcon = new CXTPImageManagerIcon(0, size.cx, size.cy);
    pIcon->SetIcon(hIcon);
    if (!hIconHot.IsEmpty())
        pIcon->SetHotIcon(hIconHot);
    CleanUpIcon();
    m_pIcon = pIcon;
    m_sizeImage = size;
    RedrawIfAsked(bRedraw);
    return TRUE;
}

BOOL CXTButton::SetIcon(CSize size, HICON hIcon, HICON hIconHot, BOOL bRedraw)
{
    return SetIcon(size, CXTPImageManagerIconHandle(hIcon), CXTPImageManagerIconHandle(hIconHot), bRedraw);
}

BOOL CXTButton::SetIcon(CSize size, UINT nID, UINT nHotID, BOOL bRedraw)
{
    CXTPImageManagerIconHandle hIcon;
    if (!hIcon.LoadIconResource(nID, size.cx, size.cy, TRUE))
        return FALSE;
    CXTPImageManagerIconHandle hIconHot;
    if (nHotID != 0)
        hIconHot.LoadIconResource(nHotID, size.cx, size.cy, TRUE);
    return SetIcon(size, hIcon, hIconHot, bRedraw);
}

BOOL CXTButton::SetBitmap(CSize size, UINT nID, BOOL bRedraw)
{
    CXTPImageManagerIconHandle hImage;
    if (ImageResources::BitmapResourceHasAlpha(nID)) {
        hImage.TakeBitmap(ImageResources::LoadAlphaBitmapResource(nID));
    } else {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(nID))
            hImage.SetIcon(IconFromMaskedBitmap(bitmap));
    }
    return SetIcon(size, hImage, CXTPImageManagerIconHandle(), bRedraw);
}

// ---- look flags and theme colours ---------------------------------------------

DWORD CXTButton::SetLookFlags(DWORD dwFlags, BOOL bRedraw)
{
    const DWORD dwOld = m_dwLookFlags;
    m_dwLookFlags = dwFlags;
    CXTButtonTheme* pTheme = nullptr;
    if (dwFlags & BS_XT_XPFLAT)
        pTheme = new CXTButtonThemeGradient();
    else if (dwFlags & BS_XT_FLAT)
        pTheme = new CXTButtonThemeHighlight();
    InstallTheme(pTheme);
    RedrawIfAsked(bRedraw);
    return dwOld;
}

DWORD CXTButton::GetLookFlags() const
{
    return m_dwLookFlags;
}

BOOL CXTButton::HasTheme() const
{
    return GetTheme() != nullptr;
}

BOOL CXTButton::SetColorFace(COLORREF clrFace)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme == nullptr)
        return FALSE;
    pTheme->SetBackgroundColor(clrFace);
    return TRUE;
}

COLORREF CXTButton::GetColorFace() const
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != nullptr ? pTheme->GetBackgroundColor() : ToolkitLookData().clrBtnFace;
}

BOOL CXTButton::SetColorHilite(COLORREF clrHilite)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme == nullptr)
        return FALSE;
    pTheme->SetLightColor(clrHilite);
    return TRUE;
}

BOOL CXTButton::SetColorShadow(COLORREF clrShadow)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme == nullptr)
        return FALSE;
    pTheme->SetShadowColor(clrShadow);
    return TRUE;
}

BOOL CXTButton::SetColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme == nullptr)
        return FALSE;
    pTheme->SetColors(clrFace, clrHilite, clrShadow, clrText);
    return TRUE;
}

BOOL CXTButton::SetHighlightColors(COLORREF clrFace, COLORREF clrFrame, COLORREF clrHotFill,
                                   COLORREF clrPressedFill)
{
    auto* pTheme = dynamic_cast<CXTButtonThemeHighlight*>(GetTheme());
    if (pTheme == nullptr)
        return FALSE;
    pTheme->SetBackgroundColor(clrFace);
    pTheme->SetShadowColor(clrFrame);
    pTheme->SetHotFillColor(clrHotFill);
    pTheme->SetPressedFillColor(clrPressedFill);
    return TRUE;
}

BOOL CXTButton::SetAlternateStyle(BOOL bAlternate)
{
    auto* pTheme = dynamic_cast<CXTButtonThemeHighlight*>(GetTheme());
    if (pTheme == nullptr)
        return FALSE;
    pTheme->SetAlternateStyle(bAlternate);
    RedrawIfAsked(TRUE);
    return TRUE;
}

CFont* CXTButton::SwapFont(CFont* pFont)
{
    CFont* pOld = CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), TRUE);
    return pOld;
}

CString CXTButton::GetButtonText(BOOL bRemoveAmpersand) const
{
    CString strText;
    GetWindowText(strText);
    if (bRemoveAmpersand)
        StripMnemonics(strText);
    return strText;
}
