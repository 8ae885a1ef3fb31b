#include "CXTButtonThemeGradient.h"

#include "CXTButton.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "CXTPImageManagerIcon.h"

namespace {
// The colour manager's button gradients.
constexpr int kCheckedGradient = 7;
constexpr int kPressedGradient = 8;
constexpr int kHotGradient = 9;
}

CXTButtonThemeGradient::CXTButtonThemeGradient(BOOL bAlternateStyle) : CXTButtonThemeHighlight(bAlternateStyle)
{
    m_bFadedImages = FALSE;
    m_bIconShadow = FALSE;
}

void CXTButtonThemeGradient::RefreshMetrics()
{
    CXTButtonThemeHighlight::RefreshMetrics();
    const CXTPColorManager* pColors = GetColorManager();
    m_clrBack = pColors->GetColor(COLOR_BTNFACE);
    const ColorSchemeKind scheme = pColors->GetCurrentTheme();
    if (scheme != xtpColorSchemeNone) {
        m_clrHotFill = 0xC2EEFF;
        m_clrPressedFill = 0x3E80FE;
        m_clrCheckedFill = 0x6FC0FF;
        m_clrText = 0;
        m_clrHotText = 0;
        m_clrPressedText = 0;
        switch (scheme) {
        case xtpColorSchemeBlue:
            m_clrBack = 0xF0C7A9;
            m_clrShadow = 0xB99D7F;
            m_clrLight = 0x800000;
            break;
        case xtpColorSchemeOlive:
            m_clrBack = 0x9FD4C5;
            m_clrShadow = 0x7FB9A4;
            m_clrLight = 0x385D3F;
            break;
        case xtpColorSchemeSilver:
            m_clrBack = 0xD3C0C0;
            m_clrShadow = 0xB2ACA5;
            m_clrLight = 0x0B4B4B;
            break;
        default:
            break;
        }
    }
    if (!m_bAlternateStyle)
        m_clrBack = pColors->GetColor(COLOR_BTNFACE);
}

void CXTButtonThemeGradient::DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    CXTPImageManagerIcon* pIcon = pButton->GetIcon();
    if (pIcon == nullptr || !m_bDrawImages)
        return;
    const CPoint pt = CalcImagePosition(pDC, nState, rcItem, TRUE, pButton);
    const CSize size = pButton->GetImageSize();
    CXTPImageManagerIconHandle& hImage = (nState & ODS_DISABLED)   ? pIcon->GetDisabledIcon()
                                         : (nState & ODS_SELECTED) ? pIcon->GetHotIcon()
                                                                   : pIcon->GetIcon();
    pIcon->Draw(pDC, pt, hImage, size.cx, size.cy);
}

void CXTButtonThemeGradient::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bHot = pButton->IsHot();
    if (!bSelected && !bHot && !pButton->IsPushed()) {
        CXTButtonThemeHighlight::DrawButtonBackground(lpDIS, pButton);
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rc(lpDIS->rcItem);
    const int nGradient = bSelected ? kPressedGradient : bHot ? kHotGradient : kCheckedGradient;
    CXTGradientFiller::Instance().FillGradientPair(pDC, rc, GetColorManager()->GetGradient(nGradient), TRUE);
    pDC->Draw3dRect(&rc, m_clrLight, m_clrLight);
}
