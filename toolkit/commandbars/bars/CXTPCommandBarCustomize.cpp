// A command bar while the user customizes: the target of dragged controls
// (where one would land, the marker that shows it, the drop) and the right
// click that picks a control for the customize dialog.
#include "CXTPCommandBar.h"

#include "CXTObjectSelector.h"
#include "CXTPColorManager.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPMouseTracker.h"

#include <cstdlib>

namespace {

constexpr int kMarkerSize = 6;
// A drag shorter than this on the control's own place is a click, not a move.
constexpr int kDragThreshold = 4;

BOOL StartsGroupOrRow(const CXTPControl* pControl)
{
    return pControl && (pControl->GetBeginGroup() || pControl->GetWrap());
}

} // namespace

BOOL CXTPCommandBar::IsVerticalLayout() const
{
    return m_barPosition == xtpBarLeft || m_barPosition == xtpBarRight || m_barType == xtpBarTypePopup;
}

void CXTPCommandBar::FindDropPosition(CXTPControl* pDataObject, CPoint point, CRect& rcMarker, int& nIndex,
                                      BOOL& bAfter)
{
    const BOOL bVertical = IsVerticalLayout();
    CXTPControl* pBest = nullptr;
    int nBestDistance = 0;
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (!pControl->IsVisible() || (pControl->GetFlags() & xtpFlagNoMovable))
            continue;
        const CRect rc = pControl->GetRect();
        const int nDistance = bVertical ? std::abs(rc.CenterPoint().y - point.y) : std::abs(rc.CenterPoint().x - point.x);
        if (pControl->GetWrap() && pBest) {
            // A new row (column) lies beyond the point: the search is over;
            // otherwise the comparison starts again in it.
            if (bVertical ? rc.left > point.x : rc.top > point.y)
                break;
            pBest = pControl;
            nBestDistance = nDistance;
            continue;
        }
        if (!pBest || nDistance < nBestDistance) {
            pBest = pControl;
            nBestDistance = nDistance;
        }
    }
    if (!pBest) {
        CRect rcClient;
        if (GetSafeHwnd())
            GetClientRect(&rcClient);
        rcMarker.SetRect(rcClient.left + 2, rcClient.top + 2, rcClient.left + 2 + kMarkerSize, rcClient.bottom - 2);
        nIndex = -1;
        bAfter = TRUE;
        return;
    }
    nIndex = pBest->GetIndex();
    const CRect rc = pBest->GetRect();
    const BOOL bNextStarts = StartsGroupOrRow(GetAt(nIndex + 1));
    if (bVertical) {
        bAfter = point.y > rc.CenterPoint().y;
        const int nTop = !bAfter ? rc.top : (bNextStarts ? rc.bottom - kMarkerSize : rc.bottom);
        rcMarker.SetRect(rc.left, nTop, rc.right, nTop + kMarkerSize);
    } else {
        bAfter = point.x > rc.CenterPoint().x;
        const int nLeft = !bAfter ? rc.left : (bNextStarts ? rc.right - kMarkerSize : rc.right);
        rcMarker.SetRect(nLeft, rc.top, nLeft + kMarkerSize, rc.bottom);
    }
    if (pBest == pDataObject)
        rcMarker.SetRectEmpty();
}

void CXTPCommandBar::DrawDropMarker(CDC* pDC)
{
    CBrush brush(GetColorManager()->GetColor(COLOR_3DFACE));
    CXTObjectSelector selector(pDC, &brush);
    const CRect& rc = m_rcMarker;
    if (IsVerticalLayout()) {
        // Across a column: short end strokes left and right, a bar between.
        pDC->PatBlt(rc.left, rc.top, 1, rc.Height(), PATINVERT);
        pDC->PatBlt(rc.right - 1, rc.top, 1, rc.Height(), PATINVERT);
        pDC->PatBlt(rc.left + 1, rc.top + 1, 1, rc.Height() - 2, PATINVERT);
        pDC->PatBlt(rc.right - 2, rc.top + 1, 1, rc.Height() - 2, PATINVERT);
        pDC->PatBlt(rc.left + 2, rc.top + 2, rc.Width() - 4, 2, PATINVERT);
    } else {
        pDC->PatBlt(rc.left, rc.top, rc.Width(), 1, PATINVERT);
        pDC->PatBlt(rc.left, rc.bottom - 1, rc.Width(), 1, PATINVERT);
        pDC->PatBlt(rc.left + 1, rc.top + 1, rc.Width() - 2, 1, PATINVERT);
        pDC->PatBlt(rc.left + 1, rc.bottom - 2, rc.Width() - 2, 1, PATINVERT);
        pDC->PatBlt(rc.left + 2, rc.top + 2, 2, rc.Height() - 4, PATINVERT);
    }
}

DWORD CXTPCommandBar::OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    return OnCustomizeDragOver(pDataObject, point);
}

void CXTPCommandBar::OnCustomizeDragLeave()
{
    if (m_rcMarker.IsRectEmpty())
        return;
    m_rcMarker.SetRectEmpty();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

DWORD CXTPCommandBar::OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point)
{
    if (!IsCustomizable() || !GetSafeHwnd() || !IsWindowVisible())
        return DROPEFFECT_NONE;
    CRect rcMarker;
    int nIndex = -1;
    BOOL bAfter = FALSE;
    FindDropPosition(pDataObject, point, rcMarker, nIndex, bAfter);
    DWORD dropEffect = static_cast<DWORD>(-1);
    if (CXTPControl* pOver = m_pControls->HitTest(point)) {
        if (!GetParentCommandBar() && pOver->GetIndex() != m_nPopuped)
            CXTPMouseTracker::GetThreadTracker()->CloseAll();
        pOver->OnCustomizeDragOver(pDataObject, point, dropEffect);
    }
    if (!pDataObject->IsDropAllowed(this, point, dropEffect))
        return dropEffect;
    m_rcMarker = rcMarker;
    Invalidate(FALSE);
    return dropEffect;
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl* pDataObject, DWORD& dropEffect, CPoint ptDrop, CPoint ptDrag)
{
    CRect rcMarker;
    int nIndex = -1;
    BOOL bAfter = FALSE;
    FindDropPosition(pDataObject, ptDrop, rcMarker, nIndex, bAfter);
    if (nIndex == -1 || GetAt(nIndex) != pDataObject) {
        if (bAfter)
            nIndex++;
        SetPopuped(-1);
        SetSelected(-1);
        // Inserted before the first control of a group, the new control
        // starts the group instead.
        CXTPControl* pBefore = GetAt(nIndex);
        const BOOL bTakeGroup = pBefore && pBefore->GetBeginGroup();
        if (bTakeGroup)
            pBefore->SetBeginGroup(FALSE);
        CXTPControl* pClone = m_pControls->AddClone(pDataObject, nIndex, FALSE);
        if (bTakeGroup)
            pClone->SetBeginGroup(TRUE);
    } else {
        if (std::abs(ptDrop.x - ptDrag.x) > kDragThreshold || std::abs(ptDrop.y - ptDrag.y) > kDragThreshold)
            pDataObject->SetBeginGroup(bAfter && nIndex != 0);
        dropEffect = XTP_DROPEFFECT_CANCEL;
    }
    OnRecalcLayout();
    m_rcMarker.SetRectEmpty();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CXTPCommandBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!IsCustomizeMode() || !IsCustomizable()) {
        CWnd::OnRButtonDown(nFlags, point);
        return;
    }
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl || !pControl->IsVisible() || (pControl->GetFlags() & xtpFlagNoMovable))
        return;
    // The customize selection and the dialog's context menu belong to the
    // command bars' customize mode; the bar only lets its own state go.
    SetPopuped(-1);
    SetSelected(-1);
}
