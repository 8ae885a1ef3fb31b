#include "CXTFlatComboBox.h"

#include "CXTFlatComboBoxTheme.h"
#include "CXTFlatComboBoxThemeFactory.h"
#include "CXTPColorManager.h"

IMPLEMENT_DYNAMIC(CXTFlatComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CXTFlatComboBox, CComboBox)
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_PRINTCLIENT()
    ON_WM_ERASEBKGND()
    ON_CONTROL_REFLECT(CBN_SETFOCUS, OnSetFocusNotify)
    ON_CONTROL_REFLECT(CBN_KILLFOCUS, OnKillFocusNotify)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, OnEditUpdate)
    ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseUp)
END_MESSAGE_MAP()

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

} // namespace

CXTFlatComboBox::CXTFlatComboBox() : CXTThemeHost(RUNTIME_CLASS(CXTFlatComboBoxThemeFactory)) {}

CXTFlatComboBoxTheme* CXTFlatComboBox::GetTheme() const
{
    return static_cast<CXTFlatComboBoxTheme*>(ThemeInUse());
}

void CXTFlatComboBox::EnableFlatLook(BOOL bFlat)
{
    m_bFlat = bFlat;
    Redraw();
}

void CXTFlatComboBox::SetBackgroundColor(COLORREF clrBack)
{
    m_clrBack = clrBack;
    Redraw();
}

BOOL CXTFlatComboBox::HasEditField() const
{
    return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)) != static_cast<DWORD>(CB_ERR);
}

void CXTFlatComboBox::OnThemeChanged()
{
    Redraw();
}

void CXTFlatComboBox::Redraw()
{
    if (::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, kRedrawNow);
}

BOOL CXTFlatComboBox::IsCursorOver() const
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    return rcWindow.PtInRect(ptCursor);
}

int CXTFlatComboBox::GetDrawState() const
{
    if (GetDroppedState())
        return CXTFlatComboBoxTheme::StatePressed;
    if (!m_bFlat || m_bHot || m_bFocused)
        return CXTFlatComboBoxTheme::StateRaised;
    return 0;
}

void CXTFlatComboBox::DrawListOnlyText(CDC* pDC)
{
    // The theme paints over the text area of a list-only combo box, so the
    // selection is drawn again on top.
    const int nSel = GetCurSel();
    if (nSel == CB_ERR)
        return;
    CString strText;
    GetLBText(nSel, strText);
    CRect rcText;
    GetClientRect(&rcText);
    rcText.DeflateRect(::GetSystemMetrics(SM_CXEDGE) + 2, ::GetSystemMetrics(SM_CYEDGE));
    rcText.right -= GetTheme()->GetDropButtonWidth();
    CFont* pOldFont = pDC->SelectObject(GetFont());
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld =
        pDC->SetTextColor(GetColorManager()->GetColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    pDC->DrawText(strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CXTFlatComboBox::DrawCombo(CDC* pDC)
{
    GetTheme()->DrawFlatComboBox(pDC, this, GetDrawState());
    if (!HasEditField())
        DrawListOnlyText(pDC);
}

void CXTFlatComboBox::TrackHotState()
{
    if (IsCursorOver()) {
        if (!m_bHot) {
            Redraw();
            m_bHot = TRUE;
        }
        return;
    }
    KillTimer(kHotTimer);
    if (m_bHot)
        Redraw();
    m_bHot = FALSE;
}

BOOL CXTFlatComboBox::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT message)
{
    if (m_bFlat && message == WM_MOUSEMOVE && IsCursorOver()) {
        SetTimer(kHotTimer, 10, nullptr);
        TrackHotState();
    }
    return static_cast<BOOL>(Default());
}

void CXTFlatComboBox::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHotTimer)
        TrackHotState();
    else
        CComboBox::OnTimer(nIDEvent);
}

void CXTFlatComboBox::OnPaint()
{
    Default();
    // The edit field paints itself; the theme draws around it.
    HDC hDC = ::GetDCEx(m_hWnd, nullptr, DCX_CLIPCHILDREN);
    if (hDC == nullptr)
        return;
    CDC dc;
    dc.Attach(hDC);
    DrawCombo(&dc);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hDC);
}

void CXTFlatComboBox::OnPrintClient(CDC* pDC, UINT /*nFlags*/)
{
    Default();
    DrawCombo(pDC);
}

void CXTFlatComboBox::OnSetFocusNotify()
{
    if (!m_bFlat)
        return;
    m_bFocused = TRUE;
    Redraw();
}

void CXTFlatComboBox::OnKillFocusNotify()
{
    if (!m_bFlat)
        return;
    m_bFocused = FALSE;
    Redraw();
}

void CXTFlatComboBox::OnCloseUp()
{
    if (m_bFlat)
        Invalidate(TRUE);
}

BOOL CXTFlatComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (m_bAutoComplete && pMsg->message == WM_KEYDOWN)
        m_bSuppressCompletion = pMsg->wParam == VK_BACK || pMsg->wParam == VK_DELETE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void CXTFlatComboBox::OnEditUpdate()
{
    if (!m_bAutoComplete || m_bSuppressCompletion)
        return;
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    const DWORD dwSel = GetEditSel();
    const BOOL bSelValid = dwSel != static_cast<DWORD>(CB_ERR);
    const int nStart = LOWORD(dwSel);
    const int nEnd = HIWORD(dwSel);
    if (SelectString(-1, strText) == CB_ERR) {
        SetWindowText(strText);
        if (bSelValid)
            SetEditSel(nStart, nEnd);
    }
    if (nEnd < strText.GetLength() && bSelValid)
        SetEditSel(nStart, nEnd);
    else
        SetEditSel(strText.GetLength(), -1);
}
