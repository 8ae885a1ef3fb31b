#include "CXTCaptionThemeGradient.h"

#include "CXTCaption.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"

const CXTPPaintManagerColorGradient& CXTCaptionThemeGradient::BackGradient(CXTCaption* pCaption)
{
    return GetColorManager()->GetGradient(pCaption->HasTextButton() ? 0 : 3);
}

void CXTCaptionThemeGradient::DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, const CRect& rc)
{
    pDC->SetBkMode(TRANSPARENT);
    CXTGradientFiller::Instance().FillGradientPair(pDC, rc, BackGradient(pCaption), TRUE);
    const COLORREF clrLine = GetColorManager()->GetColor(54);
    if (pCaption->HasTextButton())
        pDC->Draw3dRect(&rc, clrLine, clrLine);
    else
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clrLine);
}
