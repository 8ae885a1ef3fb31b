#include "CXTCaptionTheme.h"

#include "CXTCaption.h"
#include "CXTPColorManager.h"

void CXTCaptionTheme::ReloadMetrics()
{
    CXTThemeManagerStyle::ReloadMetrics();
    m_clrShadow.SetStandardValue(GetColorManager()->GetColor(COLOR_BTNSHADOW));
    m_clrHighlight.SetStandardValue(GetColorManager()->GetColor(COLOR_BTNHIGHLIGHT));
}

void CXTCaptionTheme::DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, const CRect& rc)
{
    pDC->SetBkMode(TRANSPARENT);
    CRect rcBack = rc;
    pDC->FillSolidRect(&rcBack, pCaption->GetBorderColor());
    const DWORD dwStyle = pCaption->GetCaptionStyle();
    if (dwStyle & (CXTCaption::CaptionEtched | CXTCaption::CaptionRaised)) {
        if (dwStyle & CXTCaption::CaptionEtched) {
            pDC->Draw3dRect(&rcBack, m_clrShadow, m_clrHighlight);
            rcBack.DeflateRect(1, 1);
        }
        pDC->Draw3dRect(&rcBack, m_clrHighlight, m_clrShadow);
        if (pCaption->GetBorderSize() == 0)
            rcBack.DeflateRect(1, 1);
    }
    rcBack.DeflateRect(pCaption->GetBorderSize(), pCaption->GetBorderSize());
    pDC->FillSolidRect(&rcBack, pCaption->GetFaceColor());
}

void CXTCaptionTheme::DrawCaptionText(CDC* pDC, CXTCaption* pCaption)
{
    const CString strText = pCaption->GetCaptionText();
    if (strText.IsEmpty())
        return;
    CRect rcText = pCaption->GetTextRect();
    CFont* pOldFont = pDC->SelectObject(pCaption->GetFont());
    const COLORREF clrOld = pDC->SetTextColor(pCaption->GetTextColor());
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rcText, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    pDC->SelectObject(pOldFont);
}

void CXTCaptionTheme::DrawCaptionIcon(CDC* pDC, CXTCaption* pCaption, const CRect& rc)
{
    const HICON hIcon = pCaption->GetCaptionIcon();
    if (hIcon == nullptr)
        return;
    const CSize size = pCaption->GetIconSize();
    const int nBorder = pCaption->GetBorderSize();
    int x = rc.right - nBorder - size.cx - 2;
    if (x < nBorder)
        x = nBorder;
    const int y = (rc.bottom - rc.top - size.cy) / 2;
    if (x + size.cx < rc.right - nBorder)
        ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
}
