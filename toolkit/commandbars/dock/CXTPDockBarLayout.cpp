// The dock bar's share of the frame and the placing of its rows.
#include "CXTPDockBar.h"

#include <algorithm>
#include <vector>

#include "CXTPBarDragContext.h"
#include "CXTPCommandBars.h"
#include "CXTPToolBar.h"

namespace {

CXTPToolBar* ToolBarOf(CXTPCommandBar* pBar)
{
    return static_cast<CXTPToolBar*>(pBar);
}

void SwapAxes(CRect& rc)
{
    rc = CRect(rc.top, rc.left, rc.bottom, rc.right);
}

} // namespace

LRESULT CXTPDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;

    CRect rcFree(pLayout->rect);
    const CSize sizeAvail = rcFree.Size();
    const BOOL bHorz = IsHorizontal();
    DWORD dwMode;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode = pLayout->bStretch ? 7 : 6;
    else
        dwMode = (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK) | (pLayout->bStretch ? LM_STRETCH : 0);

    CSize size = CalcDockingLayout(bHorz ? sizeAvail.cx : sizeAvail.cy, dwMode, pLayout);
    size.cx = std::min(size.cx, sizeAvail.cx);
    size.cy = std::min(size.cy, sizeAvail.cy);

    CRect rcBar;
    switch (GetPosition()) {
    case xtpBarTop:
        rcBar = CRect(rcFree.TopLeft(), size);
        pLayout->rect.top += size.cy;
        break;
    case xtpBarBottom:
        rcBar = CRect(CPoint(rcFree.right - size.cx, rcFree.bottom - size.cy), size);
        pLayout->rect.bottom -= size.cy;
        break;
    case xtpBarLeft:
        rcBar = CRect(rcFree.TopLeft(), size);
        pLayout->rect.left += size.cx;
        break;
    default:
        rcBar = CRect(CPoint(rcFree.right - size.cx, rcFree.bottom - size.cy), size);
        pLayout->rect.right -= size.cx;
        break;
    }
    if (bHorz) {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max<LONG>(pLayout->sizeTotal.cx, size.cx);
    } else {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max<LONG>(pLayout->sizeTotal.cy, size.cy);
    }
    if (pLayout->hDWP != nullptr)
        AfxRepositionWindow(pLayout, m_hWnd, &rcBar);
    Invalidate(FALSE);
    return 0;
}

CSize CXTPDockBar::CalcDockingLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pLayout)
{
    const BOOL bHorz = IsHorizontal();
    const int nAlong = (dwMode & LM_STRETCH) ? 32767 : 0;

    // The bars are children of the dock bar: they move in a batch of their own.
    AFX_SIZEPARENTPARAMS rowLayout{};
    if (pLayout != nullptr && pLayout->hDWP != nullptr)
        rowLayout.hDWP = ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()));

    int nOffset = 0;
    CXTPCommandBarArray arrRow;
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        CXTPCommandBar* pBar = m_arrBars[i];
        if (pBar != nullptr) {
            if (pBar->IsVisible())
                arrRow.Add(pBar);
            continue;
        }
        if (arrRow.IsEmpty())
            continue;
        nOffset += AdjustRowWrap(arrRow, bHorz ? 0 : nOffset, bHorz ? nOffset : 0, nLength, bHorz, &rowLayout);
        arrRow.RemoveAll();
    }
    if (rowLayout.hDWP != nullptr)
        ::EndDeferWindowPos(rowLayout.hDWP);
    return bHorz ? CSize(nAlong, nOffset) : CSize(nOffset, nAlong);
}

int CXTPDockBar::AdjustRowWrap(CXTPCommandBarArray& arrRow, int x, int y, int nLength, BOOL bHorz,
                               AFX_SIZEPARENTPARAMS* pLayout)
{
    int nTotal = 0;
    CXTPCommandBarArray arrAside;
    for (;;) {
        int nRemove = -1;
        int nThickness = AdjustRow(arrRow, x, y, nLength, bHorz, pLayout, nRemove);
        if (nRemove != -1) {
            arrAside.Add(arrRow[nRemove]);
            arrRow.RemoveAt(nRemove);
            continue;
        }
        nTotal += nThickness;
        (bHorz ? y : x) += nThickness;
        if (arrAside.IsEmpty())
            return nTotal;
        arrRow.Copy(arrAside);
        arrAside.RemoveAll();
    }
}

int CXTPDockBar::AdjustRow(CXTPCommandBarArray& arrRow, int x, int y, int nLength, BOOL bHorz,
                           AFX_SIZEPARENTPARAMS* pLayout, int& nRemove)
{
    nRemove = -1;
    const int nCount = static_cast<int>(arrRow.GetSize());
    std::vector<DockRowEntry> row(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; i++) {
        CXTPToolBar* pBar = ToolBarOf(arrRow[i]);
        CSize size = pBar->CalcDynamicLayout(nLength, GetBarMode(bHorz, pBar), 0);
        CXTPBarDragContext* pContext = pBar->GetDragContext();
        CRect rcLast = pContext != nullptr ? pContext->GetLastDockRect() : CRect(0, 0, 0, 0);
        CPoint pt = bHorz ? CPoint(rcLast.left, y) : CPoint(x, rcLast.top);
        DockRowEntry& entry = row[static_cast<size_t>(i)];
        entry.pBar = pBar;
        entry.rcWork = entry.rcStart = CRect(pt, size);
        entry.nIndex = i;
        if (!bHorz) {
            SwapAxes(entry.rcWork);
            SwapAxes(entry.rcStart);
        }
    }

    // A stable sort: bars at the same place keep their list order, which is
    // what decides which of them gives way below.
    std::stable_sort(row.begin(), row.end(),
                     [](const DockRowEntry& a, const DockRowEntry& b) { return a.rcWork.left < b.rcWork.left; });

    // Push to the right what overlaps its left neighbour, unless it came
    // first in the list and the neighbour was not itself pushed.
    int nEdge = 0;
    int nPrevIndex = -1;
    BOOL bPushed = TRUE;
    for (DockRowEntry& entry : row) {
        BOOL bMove = entry.rcWork.left < nEdge && (entry.nIndex > nPrevIndex || bPushed);
        if (bMove)
            entry.rcWork.OffsetRect(nEdge - entry.rcWork.left, 0);
        bPushed = bMove;
        nEdge = entry.rcWork.right;
        nPrevIndex = entry.nIndex;
    }
    // The same to the left, from the row's end.
    nEdge = nLength;
    nPrevIndex = -1;
    bPushed = TRUE;
    for (auto it = row.rbegin(); it != row.rend(); ++it) {
        BOOL bMove = it->rcWork.right > nEdge && (it->nIndex > nPrevIndex || bPushed);
        if (bMove)
            it->rcWork.OffsetRect(nEdge - it->rcWork.right, 0);
        bPushed = bMove;
        nEdge = it->rcWork.left;
        nPrevIndex = it->nIndex;
    }
    // What still overlaps goes right; nothing starts before the row.
    nEdge = 0;
    for (DockRowEntry& entry : row) {
        if (entry.rcWork.left < nEdge)
            entry.rcWork.OffsetRect(nEdge - entry.rcWork.left, 0);
        nEdge = entry.rcWork.right;
    }

    if (nCount > 0 && row.back().rcWork.right > nLength) {
        // Too long: pack from the right, squeezing bars that may hide down
        // to their minimal lengths.
        int nTotalMin = 0;
        for (DockRowEntry& entry : row) {
            DWORD dwMode = GetBarMode(bHorz, entry.pBar);
            if (dwMode & LM_SINGLEROW) {
                CSize sizeMin = entry.pBar->CalcDynamicLayout(1, dwMode, 0);
                entry.nMinLength = bHorz ? sizeMin.cx : sizeMin.cy;
            } else {
                entry.nMinLength = entry.rcWork.Width();
            }
            entry.nTotalMinLength = nTotalMin;
            nTotalMin += entry.nMinLength;
        }
        int nEnd = nLength;
        for (auto it = row.rbegin(); it != row.rend(); ++it) {
            int nStart = std::min(it->rcStart.left, it->rcWork.left);
            nStart = std::max(nStart, nEnd - it->rcWork.Width());
            nStart = std::max(nStart, it->nTotalMinLength);
            if (nEnd - nStart < it->nMinLength)
                nStart = nEnd - it->nMinLength;
            if (nStart < it->nTotalMinLength && nCount > 1) {
                nRemove = row.back().nIndex;
                return 0;
            }
            it->rcWork.left = std::max(nStart, 0);
            it->rcWork.right = nEnd;
            nEnd = it->rcWork.left;
        }
    }

    if (!bHorz) {
        for (DockRowEntry& entry : row) {
            SwapAxes(entry.rcWork);
            SwapAxes(entry.rcStart);
        }
    }

    // A bar left at the length it asked for keeps the size it was given for it.
    int nThickness = 0;
    for (DockRowEntry& entry : row) {
        int nSpan = bHorz ? entry.rcWork.Width() : entry.rcWork.Height();
        CSize size = entry.rcStart.Size();
        if (nSpan != (bHorz ? size.cx : size.cy))
            size = entry.pBar->CalcDynamicLayout(nSpan, GetBarMode(bHorz, entry.pBar), 0);
        nThickness = std::max<int>(nThickness, bHorz ? size.cy : size.cx);
    }

    const int nPosition = GetPosition();
    for (size_t i = 0; i < row.size(); i++) {
        DockRowEntry& entry = row[i];
        CXTPToolBar* pBar = entry.pBar;
        DWORD dwMode = GetBarMode(bHorz, pBar) | LM_COMMIT;
        int nNear = bHorz ? entry.rcWork.left : entry.rcWork.top;
        int nFar = bHorz ? entry.rcWork.right : entry.rcWork.bottom;
        if (pBar->GetFlags() & xtpFlagStretchedShared) {
            dwMode |= LM_STRETCH;
            if (i + 1 < row.size())
                nFar = bHorz ? row[i + 1].rcWork.left : row[i + 1].rcWork.top;
            else
                nFar = nLength;
            int nPrevFar = 0;
            if (i > 0)
                nPrevFar = bHorz ? row[i - 1].rcWork.right : row[i - 1].rcWork.bottom;
            nNear = std::min(nNear, nPrevFar);
        }
        CSize size = pBar->CalcDynamicLayout(nFar - nNear, dwMode, nThickness);
        CRect rc(bHorz ? CPoint(nNear, y) : CPoint(x, nNear), size);

        if (CXTPBarDragContext* pContext = pBar->GetDragContext())
            pContext->SetLastDockPosition(nPosition);
        if (pBar->GetSafeHwnd() == nullptr)
            continue;
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        ScreenToClient(&rcWindow);
        if (pLayout != nullptr && pLayout->hDWP != nullptr && rcWindow != rc)
            AfxRepositionWindow(pLayout, pBar->GetSafeHwnd(), &rc);
        pBar->Invalidate(FALSE);
    }
    return nThickness;
}

DWORD CXTPDockBar::GetBarMode(BOOL bHorz, CXTPToolBar* pBar) const
{
    DWORD dwMode = bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK;
    if (pBar->GetFlags() & xtpFlagStretched)
        dwMode |= LM_STRETCH;
    // While the customize sheet is open no bar hides controls; Alt-drag
    // customizing keeps them hidden.
    if ((pBar->GetFlags() & xtpFlagHideWrap)
        && (!m_pCommandBars->IsCustomizeMode() || m_pCommandBars->IsQuickCustomizeMode()))
        dwMode |= LM_SINGLEROW;
    return dwMode;
}
