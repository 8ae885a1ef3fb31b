#include "CXTFlatEditThemeHighlight.h"

#include "CXTPColorManager.h"

void CXTFlatEditThemeHighlight::DrawFlatEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState)
{
    const COLORREF clrFrame = GetColorManager()->GetColor(32);
    PaintEdit(pDC, pEdit, rc, nState, clrFrame, clrFrame);
}
