#include "CXTCaptionButtonTheme.h"

#include "CXTButton.h"
#include "CXTCaption.h"
#include "CXTCaptionButton.h"
#include "CXTPColorManager.h"

CXTCaptionButtonTheme::CXTCaptionButtonTheme()
{
    m_bOffsetPushedText = FALSE;
}

CXTCaption* CXTCaptionButtonTheme::CaptionOf(CXTButton* pButton)
{
    auto* pCaptionButton = DYNAMIC_DOWNCAST(CXTCaptionButton, pButton);
    CXTCaption* pCaption = pCaptionButton != nullptr ? pCaptionButton->GetCaption() : nullptr;
    return pCaption != nullptr && ::IsWindow(pCaption->GetSafeHwnd()) ? pCaption : nullptr;
}

void CXTCaptionButtonTheme::DrawCaptionText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton,
                                            CXTButtonTheme* pTheme, BOOL bOffsetPushedText)
{
    CXTCaption* pCaption = CaptionOf(pButton);
    if (pCaption == nullptr || !pCaption->HasTextButton() || pCaption->GetCaptionText().IsEmpty())
        return;
    CRect rcText = rcItem;
    if (bOffsetPushedText && (nState & ODS_SELECTED))
        rcText.OffsetRect(1, 1);
    CFont* pOldFont = pDC->SelectObject(pTheme->GetThemeFont(pButton));
    const COLORREF clrOld = pDC->SetTextColor(pTheme->GetTextColor(nState, pButton));
    pDC->DrawText(pCaption->GetCaptionText(), &rcText,
                  DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    pDC->SetTextColor(clrOld);
    pDC->SelectObject(pOldFont);
}

COLORREF CXTCaptionButtonTheme::HighlightTextColor(UINT nState, CXTButton* pButton, COLORREF clrHotText)
{
    if (nState & ODS_DISABLED)
        return GetColorManager()->GetColor(COLOR_GRAYTEXT);
    if (pButton->IsHot() || (nState & ODS_SELECTED))
        return clrHotText;
    return CaptionOf(pButton)->GetTextColor();
}

COLORREF CXTCaptionButtonTheme::GetTextColor(UINT nState, CXTButton* pButton)
{
    CXTCaption* pCaption = CaptionOf(pButton);
    return pCaption != nullptr ? pCaption->GetTextColor() : CXTButtonTheme::GetTextColor(nState, pButton);
}

void CXTCaptionButtonTheme::DrawButtonText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    DrawCaptionText(pDC, nState, rcItem, pButton, this, m_bOffsetPushedText);
}

void CXTCaptionButtonTheme::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    if (CXTCaption* pCaption = CaptionOf(pButton))
        SetBackgroundColor(pCaption->GetFaceColor());
    CXTButtonTheme::DrawButtonBackground(lpDIS, pButton);
}
