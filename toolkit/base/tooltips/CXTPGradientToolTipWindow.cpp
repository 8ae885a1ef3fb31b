#include "CXTPGradientToolTipWindow.h"

#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "CXTPToolTipContext.h"

void CXTPGradientToolTipWindow::DrawTipBackground(CDC* pDC, const CRect& rcClient)
{
    COLORREF clrFrame = RGB(0, 0, 0);
    switch (GetColorManager()->GetCurrentTheme()) {
    case xtpColorSchemeBlue: clrFrame = RGB(0, 0, 128); break;
    case xtpColorSchemeOlive: clrFrame = RGB(63, 93, 56); break;
    case xtpColorSchemeSilver: clrFrame = RGB(75, 75, 111); break;
    default: break;
    }
    // The schemes share one warm gradient; classic runs from the tip colour to white.
    const bool bScheme = clrFrame != RGB(0, 0, 0);
    const COLORREF clrStart = bScheme ? RGB(255, 212, 151) : m_pContext->GetTipBkColor();
    const COLORREF clrEnd = bScheme ? RGB(255, 242, 200) : RGB(255, 255, 255);
    CXTGradientFiller::Instance().FillGradient(pDC, rcClient, clrStart, clrEnd, FALSE);
    pDC->Draw3dRect(rcClient, clrFrame, clrFrame);
}
