#include "CXTFlatEditThemeGradient.h"

#include "CXTPColorManager.h"

void CXTFlatEditThemeGradient::DrawFlatEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState)
{
    const COLORREF clrFrame = GetColorManager()->GetSchemeOrStandardColor(32);
    PaintEdit(pDC, pEdit, rc, nState, clrFrame, clrFrame);
}
