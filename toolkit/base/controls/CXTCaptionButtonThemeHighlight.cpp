#include "CXTCaptionButtonThemeHighlight.h"

#include "CXTButton.h"
#include "CXTCaption.h"
#include "CXTCaptionButtonTheme.h"
#include "CXTPColorManager.h"

CXTCaptionButtonThemeHighlight::CXTCaptionButtonThemeHighlight()
{
    m_bOffsetPushedText = FALSE;
    m_bFadedImages = FALSE;
    m_bIconShadow = FALSE;
}

COLORREF CXTCaptionButtonThemeHighlight::GetTextColor(UINT nState, CXTButton* pButton)
{
    if (CXTCaptionButtonTheme::CaptionOf(pButton) == nullptr)
        return CXTButtonThemeHighlight::GetTextColor(nState, pButton);
    return CXTCaptionButtonTheme::HighlightTextColor(nState, pButton, m_clrHotText);
}

void CXTCaptionButtonThemeHighlight::DrawButtonText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    CXTCaptionButtonTheme::DrawCaptionText(pDC, nState, rcItem, pButton, this, m_bOffsetPushedText);
}

void CXTCaptionButtonThemeHighlight::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rcItem(lpDIS->rcItem);
    CXTPColorManager* pColors = GetColorManager();
    const BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    if (pButton->IsHot() || bPressed) {
        pDC->FillSolidRect(&rcItem, pColors->GetColor(bPressed ? 33 : 31));
        pDC->Draw3dRect(&rcItem, pColors->GetColor(32), pColors->GetColor(32));
        return;
    }
    if (CXTCaption* pCaption = CXTCaptionButtonTheme::CaptionOf(pButton))
        m_clrBack.SetCustomValue(pCaption->GetFaceColor());
    pDC->FillSolidRect(&rcItem, m_clrBack);
    if (GetAlternateStyle())
        pDC->Draw3dRect(&rcItem, m_clrShadow, m_clrShadow);
}
