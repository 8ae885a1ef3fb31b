#include "CXTFlatComboBoxTheme.h"

#include "CXTFlatComboBox.h"
#include "CXTPColorManager.h"
#include "ToolkitLookData.h"

#include <algorithm>

int CXTFlatComboBoxTheme::DropButtonWidthFor(int nAveCharWidth)
{
    return std::max(15, 2 * nAveCharWidth + 4);
}

void CXTFlatComboBoxTheme::ReloadMetrics()
{
    CXTThemeManagerStyle::ReloadMetrics();
    m_cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    m_cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    m_cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    m_cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    HDC hDC = ::GetDC(nullptr);
    const HGDIOBJ hOldFont = ::SelectObject(hDC, ToolkitLookData().fontNormal.GetSafeHandle());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    m_nDropButtonWidth = DropButtonWidthFor(tm.tmAveCharWidth);
}

void CXTFlatComboBoxTheme::PaintCombo(CDC* pDC, CXTFlatComboBox* pCombo, int nState, CSize sizeInset,
                                      COLORREF clrFrameTopLeft, COLORREF clrFrameBottomRight)
{
    CXTPColorManager* pColors = GetColorManager();
    CRect rcClient;
    pCombo->GetClientRect(&rcClient);
    CRect rcInner = rcClient;
    rcInner.DeflateRect(sizeInset);
    if (!pCombo->IsWindowEnabled()) {
        pDC->FillSolidRect(&rcInner, pColors->GetColor(51));
        pDC->Draw3dRect(&rcClient, pColors->GetColor(52), pColors->GetColor(52));
        DrawDropButton(pDC, rcInner, nState, pCombo);
        return;
    }
    pDC->FillSolidRect(&rcInner, pColors->GetColor(COLOR_WINDOW));
    CRect rcText = rcInner;
    rcText.DeflateRect(m_cxBorder, m_cyBorder);
    rcText.right -= m_nDropButtonWidth + (IsActiveState(nState) ? 1 : 0);
    if (clrFrameTopLeft != COLORREF(-1))
        pDC->Draw3dRect(&rcClient, clrFrameTopLeft, clrFrameBottomRight);
    if (!pCombo->HasEditField()) {
        const COLORREF clrBack = pCombo->GetBackgroundColor();
        pDC->FillSolidRect(&rcText, clrBack != COLORREF(-1) ? clrBack : pColors->GetColor(COLOR_WINDOW));
    }
    DrawDropButton(pDC, rcInner, nState, pCombo);
}

void CXTFlatComboBoxTheme::DrawFlatComboBox(CDC* pDC, CXTFlatComboBox* pCombo, int nState)
{
    CXTPColorManager* pColors = GetColorManager();
    const BOOL bFrame = IsActiveState(nState);
    PaintCombo(pDC, pCombo, nState, CSize(m_cxEdge, m_cyEdge), bFrame ? pColors->GetColor(COLOR_BTNSHADOW) : COLORREF(-1),
               pColors->GetColor(COLOR_BTNHIGHLIGHT));
}

void CXTFlatComboBoxTheme::DrawArrow(CDC* pDC, const CRect& rc, int nOffset, CXTFlatComboBox* pCombo)
{
    const int x = (rc.left + rc.right - 4) / 2 + nOffset;
    const int y = (rc.top + rc.bottom - 2) / 2 + nOffset;
    const COLORREF clrArrow = GetColorManager()->GetColor(pCombo->IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
    for (int nRow = 0; nRow < 3; ++nRow)
        for (int i = nRow; i <= 4 - nRow; ++i)
            pDC->SetPixel(x + i, y + nRow, clrArrow);
}

void CXTFlatComboBoxTheme::DrawDropButton(CDC* pDC, const CRect& rc, int nState, CXTFlatComboBox* pCombo)
{
    CRect rcButton = rc;
    DrawDropButtonFace(pDC, rcButton, nState, pCombo);
    DrawArrow(pDC, rcButton, nState == StatePressed ? 1 : 0, pCombo);
}

void CXTFlatComboBoxTheme::DrawDropButtonFace(CDC* pDC, CRect& rc, int nState, CXTFlatComboBox* /*pCombo*/)
{
    CXTPColorManager* pColors = GetColorManager();
    rc.left = rc.right - m_nDropButtonWidth + 4;
    const COLORREF clrFace = pColors->GetColor(COLOR_BTNFACE);
    if (IsActiveState(nState)) {
        const COLORREF clrLight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
        const COLORREF clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
        if (nState == StateRaised)
            pDC->Draw3dRect(&rc, clrLight, clrShadow);
        else
            pDC->Draw3dRect(&rc, clrShadow, clrLight);
        CRect rcOuter = rc;
        rcOuter.InflateRect(1, 1);
        pDC->Draw3dRect(&rcOuter, clrFace, clrFace);
    }
    CRect rcFace = rc;
    rcFace.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcFace, clrFace);
}
