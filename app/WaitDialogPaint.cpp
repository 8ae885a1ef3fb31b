#include "WaitDialogPaint.h"

#include "CXTGradientFiller.h"

void PaintFramedGradient(CDC* pDC, const CRect& rect)
{
    CXTGradientFiller& filler = CXTGradientFiller::Instance();
    CRect rc = rect;
    filler.FillGradient(pDC, rc, 0, 0, FALSE);
    rc.DeflateRect(1, 1);
    filler.FillGradient(pDC, rc, 0x00FFFF, 0x00FFFF, FALSE);
    rc.DeflateRect(1, 1);
    filler.FillGradient(pDC, rc, 0xFFFFFF, 0xEFFEFF, FALSE);
}
