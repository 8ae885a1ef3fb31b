#include "CXTPTabAppearance3D.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

CXTPTabAppearance3D::CXTPTabAppearance3D()
{
    m_nStyle = 0;
    m_rcHeaderMargin = CRect(2, 3, 6, 0);
}

CRect CXTPTabAppearance3D::GetClientMargin()
{
    CRect rc = CXTPTabAppearanceSet::GetClientMargin();
    if (ColorSet()->IsSystemThemed() && m_pPaintManager->m_nClientFrame == xtpTabFrameBorder) {
        rc.right += 2;
        if (m_pPaintManager->m_nEdgeOption == 0 || m_pPaintManager->m_nEdgeOption == 1)
            rc.bottom += 2;
    }
    return rc;
}

CRect CXTPTabAppearance3D::DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    CXTPTabColorSet* pColors = ColorSet();
    const int nPosition = Position(pManager);
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameSingleLine) {
        const CRect rcHeader = GetHeaderRect(rcControl, pManager);
        pColors->PaintHeaderBackground(pDC, rcHeader, pManager);
        CRect rcClient = GetClientRect(rcControl, pManager);
        if (nPosition == 0 || nPosition == 1) {
            DrawSide(pDC, rcClient, nPosition, pColors->m_clrTabHighlight);
        } else {
            DrawSide(pDC, rcClient, nPosition, pColors->m_clrTabDarkShadow);
            rcClient.DeflateRect(TurnMargins(CRect(0, 1, 0, 0), nPosition));
            DrawSide(pDC, rcClient, nPosition, pColors->m_clrTabShadow);
        }
        return rcHeader;
    }
    const CRect rcHeader =
        DrawFramedHeader(pManager, pDC, rcControl, pColors->m_clrTabHighlight, pColors->m_clrTabDarkShadow);
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameBorder) {
        CRect rcInner = GetClientRect(rcControl, pManager);
        rcInner.DeflateRect(1, 1);
        DrawSide(pDC, rcInner, 2, pColors->m_clrTabShadow);
        DrawSide(pDC, rcInner, 3, pColors->m_clrTabShadow);
    }
    return rcHeader;
}

void CXTPTabAppearance3D::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    DrawRaisedItem(pDC, pItem);
}

void CXTPTabAppearance3D::DrawRaisedItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    const int nPosition = Position(pItem->GetTabManager());
    CRect rc = pItem->GetRect();
    if (pItem->IsSelected()) {
        if (nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight)
            rc.InflateRect(2, 2);
        else
            rc.InflateRect(TurnMargins(CRect(2, 2, 2, 0), nPosition));
    }
    CXTPTabColorSet* pColors = ColorSet();
    const TabShapeFrame frame(rc, nPosition);
    const int w = frame.Width();
    const int h = frame.Height();
    const COLORREF clrFill = pColors->PaintTabBackground(pDC, frame.MapRect(1, 1, w - 1, h - 1), pItem);
    frame.Line(pDC, 0, 2, 0, h, pColors->m_clrTabHighlight);
    frame.Pixel(pDC, 1, 1, pColors->m_clrTabHighlight);
    frame.Line(pDC, 2, 0, w - 2, 0, pColors->m_clrTabHighlight);
    frame.Pixel(pDC, w - 2, 1, pColors->m_clrTabDarkShadow);
    frame.Line(pDC, w - 1, 2, w - 1, h - 1, pColors->m_clrTabDarkShadow);
    frame.Line(pDC, w - 2, 2, w - 2, h - 1, pColors->m_clrTabShadow);
    if (pItem->IsSelected() && !pItem->IsJoinSuppressed())
        frame.Line(pDC, 1, h - 1, w - 2, h - 1, clrFill);
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
