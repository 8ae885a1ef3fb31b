#include "CXTPTabAppearanceStackedBar.h"

#include "CXTPColorManager.h"
#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"

#include <algorithm>

CRect CXTPTabAppearanceStackedBar::GetHeaderRect(CRect /*rcControl*/, CXTPTabManager* /*pManager*/)
{
    return CRect(0, 0, 0, 0);
}

CRect CXTPTabAppearanceStackedBar::GetClientRect(CRect rcControl, CXTPTabManager* pManager)
{
    CXTPTabManagerItem* pSelected = pManager ? pManager->CurrentSelection() : nullptr;
    if (!pSelected)
        return rcControl;
    const int nRowHeight = GetRowHeight(pManager);
    const int s = pSelected->GetIndex();
    const int n = pManager->CountItems();
    const BOOL bFramed = m_pPaintManager->m_nClientFrame != xtpTabFrameNone;
    CRect rc = rcControl;
    rc.top += nRowHeight * (s + 1) + 1;
    rc.bottom = std::max(rc.bottom - nRowHeight * (n - s - 1), rc.top + nRowHeight);
    if (s == n - 1 && bFramed)
        rc.bottom -= 1;
    if (bFramed)
        rc.DeflateRect(1, 0);
    return rc;
}

int CXTPTabAppearanceStackedBar::LayoutItems(CXTPTabManager* pManager, CDC* /*pDC*/, CRect rcControl)
{
    rcControl.DeflateRect(m_pPaintManager->m_rcControlMargin);
    const int n = pManager->CountItems();
    pManager->GetRows().SetCount(1, n);
    pManager->SetHeaderRect(CRect(0, 0, 0, 0));
    if (n == 0)
        return 0;
    const int nRowHeight = GetRowHeight(pManager);
    const int nLeft = rcControl.left + (m_pPaintManager->m_nClientFrame != xtpTabFrameNone ? 1 : 0);
    CXTPTabManagerItem* pSelected = pManager->CurrentSelection();
    int nTop = rcControl.top;
    for (int i = 0; i < n; ++i) {
        CXTPTabManagerItem* pItem = pManager->ItemAtIndex(i);
        pItem->SetRect(CRect(nLeft, nTop, rcControl.right, nTop + nRowHeight));
        pItem->SetLength(rcControl.right - nLeft);
        nTop += nRowHeight;
        if (pItem == pSelected) {
            // The bars after the selected one go to the bottom.
            const int nPushed = rcControl.bottom - (n - 1 - i) * nRowHeight;
            nTop = std::min(std::max(nPushed, nTop), static_cast<int>(rcControl.bottom) - 1);
        }
    }
    return n * nRowHeight;
}

void CXTPTabAppearanceStackedBar::AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient)
{
    rcClient.DeflateRect(m_pPaintManager->m_rcControlMargin);
    rcClient = GetClientRect(rcClient, pManager);
    rcClient.DeflateRect(GetClientMargin());
}

void CXTPTabAppearanceStackedBar::DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    CXTPTabColorSet* pColors = ColorSet();
    pDC->FillSolidRect(rcControl, pColors->m_clrClientFace);
    rcControl.DeflateRect(m_pPaintManager->m_rcControlMargin);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcControl);
    const int n = pManager->CountItems();
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameNone && n > 0) {
        DrawSide(pDC, rcControl, 0, pColors->m_clrFrameBorder);
    } else {
        for (int nSide = 0; nSide < 4; ++nSide)
            DrawSide(pDC, rcControl, nSide, pColors->m_clrFrameBorder);
    }
    pDC->SetBkMode(TRANSPARENT);
    for (int i = n - 1; i >= 0; --i) {
        CXTPTabManagerItem* pItem = pManager->ItemAtIndex(i);
        CRect rcTouch;
        if (!pItem->GetRect().IsRectEmpty() && rcTouch.IntersectRect(rcControl, pItem->GetRect()))
            DrawSingleItem(pDC, pItem);
    }
    pDC->RestoreDC(nSaved);
}

void CXTPTabAppearanceStackedBar::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CXTPTabColorSet* pColors = ColorSet();
    const CRect& rc = pItem->GetRect();
    pColors->PaintTabBackground(pDC, rc, pItem);
    pDC->Draw3dRect(rc, pColors->m_clrFrameHighlight, pColors->m_clrFrameBorder);
    const COLORREF clrGrip = GetColorManager()->GetColor(38);
    for (int y = rc.top + 4; y < rc.bottom - 3; y += 2)
        pDC->FillSolidRect(rc.right - 7, y, 3, 1, clrGrip);
    CRect rcLabel = rc;
    rcLabel.right -= 7;
    m_pPaintManager->DrawTabLabel(pDC, pItem, rcLabel, TRUE);
}
