#include "CXTFlatEditTheme.h"

#include "CXTFlatEdit.h"
#include "CXTPColorManager.h"

BOOL CXTFlatEditTheme::PaintEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState, COLORREF clrTopLeft,
                                 COLORREF clrBottomRight)
{
    CXTPColorManager* pColors = GetColorManager();
    if (!pEdit->IsWindowEnabled()) {
        pDC->FillSolidRect(&rc, pColors->GetColor(51));
        pDC->Draw3dRect(&rc, pColors->GetColor(52), pColors->GetColor(52));
        return TRUE;
    }
    pDC->FillSolidRect(&rc, pColors->GetColor(COLOR_WINDOW));
    if (IsActiveState(nState))
        pDC->Draw3dRect(&rc, clrTopLeft, clrBottomRight);
    return FALSE;
}

void CXTFlatEditTheme::DrawFlatEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState)
{
    PaintEdit(pDC, pEdit, rc, nState, GetColorManager()->GetColor(COLOR_BTNSHADOW),
              GetColorManager()->GetColor(COLOR_BTNHIGHLIGHT));
}
