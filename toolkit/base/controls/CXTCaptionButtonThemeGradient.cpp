#include "CXTCaptionButtonThemeGradient.h"

#include "CXTButton.h"
#include "CXTCaption.h"
#include "CXTCaptionButtonTheme.h"
#include "CXTCaptionThemeGradient.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"

CXTCaptionButtonThemeGradient::CXTCaptionButtonThemeGradient()
{
    m_bOffsetPushedText = FALSE;
    m_bFadedImages = FALSE;
    m_bIconShadow = FALSE;
}

COLORREF CXTCaptionButtonThemeGradient::GetTextColor(UINT nState, CXTButton* pButton)
{
    if (CXTCaptionButtonTheme::CaptionOf(pButton) == nullptr)
        return CXTButtonThemeGradient::GetTextColor(nState, pButton);
    return CXTCaptionButtonTheme::HighlightTextColor(nState, pButton, m_clrHotText);
}

BOOL CXTCaptionButtonThemeGradient::GetCaptionGradient(CPoint ptStart, CPoint ptEnd, CXTCaption* pCaption,
                                                       CXTPPaintManagerColorGradient& gradient)
{
    if (pCaption == nullptr || !::IsWindow(pCaption->GetSafeHwnd()))
        return FALSE;
    CRect rcClient;
    pCaption->GetClientRect(&rcClient);
    CClientDC dcCaption(pCaption);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dcCaption);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcCaption, rcClient.Width(), rcClient.Height());
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    CXTGradientFiller::Instance().FillGradientPair(&dcMem, rcClient, CXTCaptionThemeGradient::BackGradient(pCaption),
                                                   TRUE);
    pCaption->ScreenToClient(&ptStart);
    pCaption->ScreenToClient(&ptEnd);
    gradient.SetStandardValue(dcMem.GetPixel(ptStart), dcMem.GetPixel(ptEnd), 0.5f);
    dcMem.SelectObject(pOldBitmap);
    return TRUE;
}

void CXTCaptionButtonThemeGradient::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CXTCaption* pCaption = CXTCaptionButtonTheme::CaptionOf(pButton);
    if (pCaption == nullptr) {
        CXTButtonThemeGradient::DrawButtonBackground(lpDIS, pButton);
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rcItem(lpDIS->rcItem);
    CXTPColorManager* pColors = GetColorManager();
    const CXTGradientFiller& filler = CXTGradientFiller::Instance();
    const BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    if (bPressed || pButton->IsHot()) {
        filler.FillGradientPair(pDC, rcItem, pColors->GetGradient(bPressed ? 8 : 9), FALSE);
        pDC->Draw3dRect(&rcItem, pColors->GetColor(32), pColors->GetColor(32));
        return;
    }
    CRect rcWindow;
    pButton->GetWindowRect(&rcWindow);
    CXTPPaintManagerColorGradient gradient;
    GetCaptionGradient(rcWindow.TopLeft(), CPoint(rcWindow.right - 1, rcWindow.bottom - 1), pCaption, gradient);
    filler.FillGradientPair(pDC, rcItem, gradient, TRUE);
}
