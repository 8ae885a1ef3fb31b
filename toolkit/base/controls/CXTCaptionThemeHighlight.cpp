#include "CXTCaptionThemeHighlight.h"

#include "CXTCaption.h"
#include "CXTPColorManager.h"

void CXTCaptionThemeHighlight::DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, const CRect& rc)
{
    pDC->SetBkMode(TRANSPARENT);
    CRect rcBack = rc;
    pDC->FillSolidRect(&rcBack, pCaption->GetBorderColor());
    if (pCaption->HasTextButton()) {
        rcBack.DeflateRect(pCaption->GetBorderSize(), pCaption->GetBorderSize());
        pDC->FillSolidRect(&rcBack, pCaption->GetFaceColor());
    } else {
        pDC->Draw3dRect(&rcBack, GetColorManager()->GetColor(COLOR_BTNHIGHLIGHT),
                        GetColorManager()->GetColor(COLOR_BTNSHADOW));
    }
}
