#include "CXTPTabAppearanceSet.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

#include <algorithm>

void CXTPTabAppearanceSet::RefreshMetrics()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* pOldFont = dc.SelectObject(&m_pPaintManager->NormalFont());
    m_nRowHeight = std::max(18, static_cast<int>(dc.GetTextExtent(L" ", 1).cy) + 3);
    dc.SelectObject(pOldFont);
}

CXTPTabColorSet* CXTPTabAppearanceSet::ColorSet() const
{
    return m_pPaintManager->GetColorSet();
}

int CXTPTabAppearanceSet::Position(CXTPTabManager* pManager) const
{
    return pManager ? pManager->GetPosition() : m_pPaintManager->GetPositionOption();
}

CRect CXTPTabAppearanceSet::TurnMargins(const CRect& rcMargin, int nPosition)
{
    switch (nPosition) {
    case 1: return CRect(rcMargin.top, rcMargin.left, rcMargin.bottom, rcMargin.right);
    case 2: return CRect(rcMargin.left, rcMargin.bottom, rcMargin.right, rcMargin.top);
    case 3: return CRect(rcMargin.bottom, rcMargin.left, rcMargin.top, rcMargin.right);
    default: return rcMargin;
    }
}

CRect CXTPTabAppearanceSet::GetHeaderRect(CRect rcControl, CXTPTabManager* pManager)
{
    const int nRows = pManager ? pManager->GetRows().GetCount() : 1;
    const int nRowHeight = GetRowHeight(pManager);
    int nDepth = nRows * nRowHeight + (nRows - 1) * m_nRowOverlap;
    if (pManager && m_pPaintManager->GetLayout() == xtpTabLayoutRotated)
        for (int i = 0; i < pManager->CountItems(); ++i)
            nDepth = std::max(nDepth, pManager->ItemAtIndex(i)->GetWantedLength());
    const CRect rcMargin = GetHeaderMargin();
    nDepth += rcMargin.top + rcMargin.bottom;

    CRect rc = rcControl;
    switch (Position(pManager)) {
    case 1: rc.right = rc.left + nDepth; break;
    case 2: rc.top = rc.bottom - nDepth; break;
    case 3: rc.left = rc.right - nDepth; break;
    default: rc.bottom = rc.top + nDepth; break;
    }
    return rc;
}

CRect CXTPTabAppearanceSet::GetClientRect(CRect rcControl, CXTPTabManager* pManager)
{
    const CRect rcHeader = GetHeaderRect(rcControl, pManager);
    CRect rc = rcControl;
    switch (Position(pManager)) {
    case 1: rc.left = rcHeader.right - 1; break;
    case 2: rc.bottom = rcHeader.top + 1; break;
    case 3: rc.right = rcHeader.left + 1; break;
    default: rc.top = rcHeader.bottom - 1; break;
    }
    return rc;
}

CRect CXTPTabAppearanceSet::GetHeaderMargin()
{
    return m_rcHeaderMargin;
}

CRect CXTPTabAppearanceSet::GetClientMargin()
{
    return m_pPaintManager->m_rcClientMargin;
}

int CXTPTabAppearanceSet::GetItemLength(CDC* pDC, CXTPTabManagerItem* pItem)
{
    return m_pPaintManager->DrawTabLabel(pDC, pItem, CRect(0, 0, 0, 0), FALSE);
}

int CXTPTabAppearanceSet::GetRowHeight(CXTPTabManager* pManager)
{
    const CRect& rcButton = m_pPaintManager->m_rcButtonMargin;
    const int nMargins = rcButton.top + rcButton.bottom;
    int nHeight = m_nRowHeight + nMargins;
    if (pManager) {
        CSize szNormal(0, 0), szMin(0, 0), szMax(0, 0);
        pManager->GetItemMetrics(&szNormal, &szMin, &szMax);
        nHeight = std::max(nHeight, static_cast<int>(szMin.cy));
    }
    if (m_pPaintManager->m_bShowIcons) {
        const CSize& szIcon = m_pPaintManager->m_szIcon;
        nHeight = std::max(nHeight, static_cast<int>(std::max(szIcon.cx, szIcon.cy)) + nMargins + 4);
    }
    return nHeight;
}

void CXTPTabAppearanceSet::DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    m_pPaintManager->DrawFrameAndRows(pManager, pDC, rcControl);
}

CRect CXTPTabAppearanceSet::DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* /*pDC*/, CRect rcControl)
{
    return GetHeaderRect(rcControl, pManager);
}

int CXTPTabAppearanceSet::LayoutItems(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    return m_pPaintManager->ArrangeTabRows(pManager, pDC, rcControl);
}

void CXTPTabAppearanceSet::AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient)
{
    const int nPosition = Position(pManager);
    rcClient.DeflateRect(TurnMargins(m_pPaintManager->m_rcControlMargin, nPosition));
    rcClient = GetClientRect(rcClient, pManager);
    rcClient.DeflateRect(TurnMargins(GetClientMargin(), nPosition));
    switch (m_pPaintManager->m_nClientFrame) {
    case xtpTabFrameBorder: rcClient.DeflateRect(2, 2); break;
    case xtpTabFrameSingleLine: rcClient.DeflateRect(TurnMargins(CRect(0, 2, 0, 0), nPosition)); break;
    default: break;
    }
}

void CXTPTabAppearanceSet::DrawSingleItem(CDC* /*pDC*/, CXTPTabManagerItem* /*pItem*/)
{
}

void CXTPTabAppearanceSet::DrawClientFrame(CDC* pDC, CRect& rc, int nCode)
{
    CXTPTabColorSet* pColors = ColorSet();
    if (!m_pPaintManager->m_bFrameStyle) {
        if (nCode == 1)
            rc.InflateRect(2, 2);
        else if (nCode == 2 || nCode == 3)
            pDC->FillSolidRect(rc, pColors->m_clrHeaderFace.clrStart);
        return;
    }
    switch (nCode) {
    case 0: {
        CRect rcInner(rc.left + 1, rc.top, rc.right - 1, rc.bottom - 1);
        pDC->Draw3dRect(rcInner, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
        pDC->Draw3dRect(rc, pColors->m_clrFrameBorder, pColors->m_clrFrameBorder);
        break;
    }
    case 1: rc.top -= 1; break;
    case 2: pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), pColors->FrameEdgeColor()); break;
    case 3: pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, pColors->FrameEdgeColor()); break;
    default: break;
    }
}

void CXTPTabAppearanceSet::DrawSide(CDC* pDC, const CRect& rc, int nSide, COLORREF clr)
{
    if (clr == COLORREF(-1))
        return;
    switch (nSide) {
    case 1: pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), clr); break;
    case 2: pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clr); break;
    case 3: pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clr); break;
    default: pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, clr); break;
    }
}

CRect CXTPTabAppearanceSet::DrawFramedHeader(CXTPTabManager* pManager, CDC* pDC, CRect rcControl,
                                             COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    const CRect rcHeader = GetHeaderRect(rcControl, pManager);
    CXTPTabColorSet* pColors = ColorSet();
    pColors->PaintHeaderBackground(pDC, rcHeader, pManager);
    const CRect rcClient = GetClientRect(rcControl, pManager);
    const int nPosition = Position(pManager);
    switch (m_pPaintManager->m_nClientFrame) {
    case xtpTabFrameBorder:
        pColors->PaintClientBackground(pDC, rcClient, nullptr);
        DrawSide(pDC, rcClient, 0, clrTopLeft);
        DrawSide(pDC, rcClient, 1, clrTopLeft);
        DrawSide(pDC, rcClient, 2, clrBottomRight);
        DrawSide(pDC, rcClient, 3, clrBottomRight);
        break;
    case xtpTabFrameSingleLine:
        DrawSide(pDC, rcClient, nPosition, nPosition == 0 || nPosition == 1 ? clrTopLeft : clrBottomRight);
        break;
    default: break;
    }
    return rcHeader;
}

COLORREF CXTPTabAppearanceSet::FillTabPolygon(CDC* pDC, const TabShapeFrame& frame, const POINT* pPoints, int nCount,
                                              CXTPTabManagerItem* pItem)
{
    HRGN hRgn = frame.PolygonRegion(pPoints, nCount);
    CRect rcBounds;
    ::GetRgnBox(hRgn, rcBounds);
    const int nSaved = pDC->SaveDC();
    // Within the clip region the DC already has, if any.
    HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetClipRgn(pDC->GetSafeHdc(), hClip) == 1)
        ::CombineRgn(hRgn, hRgn, hClip, RGN_AND);
    ::DeleteObject(hClip);
    ::SelectClipRgn(pDC->GetSafeHdc(), hRgn);
    ::DeleteObject(hRgn);
    const COLORREF clr = ColorSet()->PaintTabBackground(pDC, rcBounds, pItem);
    pDC->RestoreDC(nSaved);
    return clr;
}
