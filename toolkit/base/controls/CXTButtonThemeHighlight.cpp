#include "CXTButtonThemeHighlight.h"

#include "CXTButton.h"
#include "CXTPColorManager.h"
#include "CXTPImageManagerIcon.h"

CXTButtonThemeHighlight::CXTButtonThemeHighlight(BOOL bAlternateStyle) : m_bAlternateStyle(bAlternateStyle)
{
    m_bOffsetPushedText = FALSE;
}

void CXTButtonThemeHighlight::RefreshMetrics()
{
    CXTButtonTheme::RefreshMetrics();
    const CXTPColorManager* pColors = GetColorManager();
    m_clrBack = pColors->GetColor(m_bAlternateStyle ? 30 : COLOR_BTNFACE);
    m_clrPressedFill = pColors->GetColor(33);
    m_clrHotFill = pColors->GetColor(31);
    m_clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    m_clrLight = pColors->GetColor(32);
    m_clrText = pColors->GetColor(46);
    m_clrHotText = pColors->GetColor(45);
    m_clrPressedText = pColors->GetColor(47);
    m_clrCheckedFill = pColors->GetColor(36);
}

BOOL CXTButtonThemeHighlight::NeedsHotTracking(CXTButton* /*pButton*/)
{
    return TRUE;
}

void CXTButtonThemeHighlight::SetAlternateStyle(BOOL bAlternateStyle)
{
    m_bAlternateStyle = bAlternateStyle;
    RefreshMetrics();
}

COLORREF CXTButtonThemeHighlight::GetTextColor(UINT nState, CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
        return GetColorManager()->GetColor(COLOR_GRAYTEXT);
    if (pButton->IsHot())
        return m_clrHotText;
    if (nState & ODS_SELECTED)
        return m_clrPressedText;
    return m_clrText;
}

void CXTButtonThemeHighlight::DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    CXTPImageManagerIcon* pIcon = pButton->GetIcon();
    if (pIcon == nullptr || !m_bDrawImages)
        return;
    const CPoint pt = CalcImagePosition(pDC, nState, rcItem, TRUE, pButton);
    const CSize size = pButton->GetImageSize();
    if (nState & ODS_DISABLED) {
        pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(), size.cx, size.cy);
    } else if (pButton->IsHot()) {
        if (m_bIconShadow) {
            pIcon->Draw(pDC, pt + CPoint(1, 1), pIcon->GetShadowIcon(), size.cx, size.cy);
            pIcon->Draw(pDC, pt - CPoint(1, 1), pIcon->GetHotIcon(), size.cx, size.cy);
        } else {
            pIcon->Draw(pDC, pt, pIcon->GetHotIcon(), size.cx, size.cy);
        }
    } else if (nState & ODS_SELECTED) {
        pIcon->Draw(pDC, pt, pIcon->GetHotIcon(), size.cx, size.cy);
    } else {
        pIcon->Draw(pDC, pt, m_bFadedImages ? pIcon->GetFadedIcon() : pIcon->GetIcon(), size.cx, size.cy);
    }
}

void CXTButtonThemeHighlight::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rc(lpDIS->rcItem);
    const BOOL bHot = pButton->IsHot();
    const BOOL bPushed = pButton->IsPushed();
    COLORREF clrFill;
    if ((lpDIS->itemState & ODS_SELECTED) || (bHot && bPushed))
        clrFill = m_clrPressedFill;
    else if (bHot)
        clrFill = m_clrHotFill;
    else if (bPushed)
        clrFill = m_clrCheckedFill;
    else {
        pDC->FillSolidRect(&rc, m_clrBack);
        if (m_bAlternateStyle)
            pDC->Draw3dRect(&rc, m_clrShadow, m_clrShadow);
        return;
    }
    pDC->FillSolidRect(&rc, clrFill);
    pDC->Draw3dRect(&rc, m_clrLight, m_clrLight);
}

void CXTButtonThemeHighlight::DrawFocusRect(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    if (!m_bAlternateStyle || pButton->IsHot() || pButton->IsPushed() || IsVisualStyle(pButton)) {
        CXTButtonTheme::DrawFocusRect(pDC, nState, rcItem, pButton);
        return;
    }
    const COLORREF clrFrame = GetColorManager()->GetColor(COLOR_HIGHLIGHT);
    CRect rc(rcItem);
    pDC->Draw3dRect(&rc, clrFrame, clrFrame);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, clrFrame, clrFrame);
}
