#include "CXTFlatEdit.h"

#include "CXTFlatEditTheme.h"
#include "CXTFlatEditThemeFactory.h"
#include "CXTMemDC.h"
#include "CXTPColorManager.h"

IMPLEMENT_DYNCREATE(CXTFlatEdit, CXTEdit)

BEGIN_MESSAGE_MAP(CXTFlatEdit, CXTEdit)
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
    ON_WM_NCPAINT()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CXTFlatEdit::CXTFlatEdit() : CXTThemeHost(RUNTIME_CLASS(CXTFlatEditThemeFactory)) {}

CXTFlatEditTheme* CXTFlatEdit::GetTheme() const
{
    return static_cast<CXTFlatEditTheme*>(ThemeInUse());
}

void CXTFlatEdit::EnableFlatLook(BOOL bFlat)
{
    m_bFlat = bFlat;
    if (::IsWindow(m_hWnd))
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CXTFlatEdit::OnThemeChanged()
{
    RedrawBorder();
}

void CXTFlatEdit::RedrawBorder()
{
    if (::IsWindow(m_hWnd))
        SendMessage(WM_NCPAINT, 0, 0);
}

BOOL CXTFlatEdit::IsCursorOver() const
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    return rcWindow.PtInRect(ptCursor);
}

int CXTFlatEdit::GetDrawState() const
{
    if (m_bFocused)
        return CXTFlatEditTheme::StatePressed;
    return m_bHot ? CXTFlatEditTheme::StateRaised : 0;
}

void CXTFlatEdit::DrawBorders(CDC* pDC, const CRect& rc)
{
    GetTheme()->DrawFlatEdit(pDC, this, rc, GetDrawState());
}

void CXTFlatEdit::TrackHotState()
{
    if (IsCursorOver()) {
        if (!m_bHot) {
            RedrawBorder();
            m_bHot = TRUE;
        }
        return;
    }
    KillTimer(kHotTimer);
    if (m_bHot)
        RedrawBorder();
    m_bHot = FALSE;
}

BOOL CXTFlatEdit::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT message)
{
    if (m_bFlat && message == WM_MOUSEMOVE && IsCursorOver()) {
        SetTimer(kHotTimer, 10, nullptr);
        TrackHotState();
    }
    return static_cast<BOOL>(Default());
}

void CXTFlatEdit::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHotTimer)
        TrackHotState();
    else
        CXTEdit::OnTimer(nIDEvent);
}

void CXTFlatEdit::OnNcPaint()
{
    if (!m_bFlat) {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    ScreenToClient(&rcWindow);
    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(&rcClient);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    CXTMemDC memDC(&dc, rcWindow,
                   CXTPPaintManagerColorGradient(GetColorManager()->GetColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE)));
    DrawBorders(&memDC, rcWindow);
}

void CXTFlatEdit::OnSetFocus(CWnd* pOldWnd)
{
    CXTEdit::OnSetFocus(pOldWnd);
    if (!m_bFlat)
        return;
    m_bFocused = TRUE;
    Invalidate(TRUE);
    RedrawBorder();
}

void CXTFlatEdit::OnKillFocus(CWnd* pNewWnd)
{
    CXTEdit::OnKillFocus(pNewWnd);
    if (!m_bFlat)
        return;
    m_bFocused = FALSE;
    Invalidate(TRUE);
    RedrawBorder();
}
