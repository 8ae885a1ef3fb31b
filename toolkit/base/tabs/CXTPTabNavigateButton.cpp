#include "CXTPTabNavigateButton.h"

#include "CXTPTabManager.h"
#include "TabMessageLoop.h"

CXTPTabNavigateButton::CXTPTabNavigateButton(CXTPTabManager* pManager, UINT nID, XTPTabNavigateButtonFlags dwFlags)
    : m_nID(nID), m_dwFlags(dwFlags), m_pManager(pManager)
{
}

BOOL CXTPTabNavigateButton::IsShown() const
{
    return m_pManager->IsNavigateButtonVisible(this);
}

void CXTPTabNavigateButton::ReserveSpace(CRect& rcHeader)
{
    const BOOL bReserve = m_dwFlags == xtpTabNavigateButtonAlways
                          || (!IsScrollButton() && m_dwFlags == xtpTabNavigateButtonAutomatic && IsShown());
    if (!bReserve)
        return;
    if (m_pManager->IsHorizontalPosition())
        rcHeader.right -= m_size.cx;
    else
        rcHeader.bottom -= m_size.cy;
}

void CXTPTabNavigateButton::AdjustLayout(CRect& rcHeader)
{
    const BOOL bHorizontal = m_pManager->IsHorizontalPosition();
    const int nExtent = bHorizontal ? rcHeader.Width() : rcHeader.Height();
    const int nOffset = m_pManager->GetScrollOffset();
    const int nTotal = m_pManager->SumItemLengths();
    if (m_nID == xtpTabNavigateButtonLeft)
        m_bEnabled = nOffset < 0;
    else if (m_nID == xtpTabNavigateButtonRight)
        m_bEnabled = nExtent - 28 < nOffset + nTotal;

    BOOL bShow = m_dwFlags != xtpTabNavigateButtonNone;
    if (bShow && m_dwFlags == xtpTabNavigateButtonAutomatic && !IsShown())
        bShow = FALSE;
    if (bShow && IsScrollButton()) {
        const int nLayout = m_pManager->GetLayout();
        if (nLayout == xtpTabLayoutMultiRow)
            bShow = FALSE;
        else if (m_dwFlags == xtpTabNavigateButtonAutomatic) {
            CXTPTabPaintManager* pPaintManager = m_pManager->GetPaintManager();
            const int nMarginLeft = pPaintManager != nullptr && pPaintManager->GetAppearanceSet() != nullptr
                                        ? pPaintManager->GetAppearanceSet()->GetHeaderMargin().left
                                        : 0;
            if (nLayout == xtpTabLayoutSizeToFit || (nOffset == 0 && nTotal - nMarginLeft - 1 <= nExtent))
                bShow = FALSE;
        }
    }
    if (!bShow) {
        m_rcButton.SetRectEmpty();
        return;
    }
    if (bHorizontal) {
        const int nCentre = rcHeader.CenterPoint().y;
        m_rcButton.SetRect(rcHeader.right - m_size.cx, nCentre - 8, rcHeader.right, nCentre + 7);
        rcHeader.right -= m_size.cx;
    } else {
        const int nCentre = rcHeader.CenterPoint().x;
        m_rcButton.SetRect(nCentre - 7, rcHeader.bottom - m_size.cy, nCentre + 7, rcHeader.bottom);
        rcHeader.bottom -= m_size.cy;
    }
}

void CXTPTabNavigateButton::DrawGlyph(CDC* pDC, const CRect& rc)
{
    const CPoint c = rc.CenterPoint();
    const BOOL bHorizontal = m_pManager->IsHorizontalPosition();
    if (m_nID == xtpTabNavigateButtonClose) {
        const POINT lines[4][2] = {{{rc.left + 3, rc.top + 3}, {rc.right - 4, rc.bottom - 5}},
                                   {{rc.left + 4, rc.top + 3}, {rc.right - 3, rc.bottom - 5}},
                                   {{rc.left + 3, rc.bottom - 6}, {rc.right - 4, rc.top + 2}},
                                   {{rc.left + 4, rc.bottom - 6}, {rc.right - 3, rc.top + 2}}};
        for (const auto& line : lines) {
            pDC->MoveTo(line[0].x, line[0].y);
            pDC->LineTo(line[1].x, line[1].y);
        }
        return;
    }
    POINT triangle[3];
    if (m_nID == xtpTabNavigateButtonRight) {
        if (bHorizontal)
            triangle[0] = {c.x - 2, c.y - 5}, triangle[1] = {c.x + 2, c.y - 1}, triangle[2] = {c.x - 2, c.y + 3};
        else
            triangle[0] = {c.x - 5, c.y - 2}, triangle[1] = {c.x - 1, c.y + 2}, triangle[2] = {c.x + 3, c.y - 2};
    } else {
        if (bHorizontal)
            triangle[0] = {c.x + 2, c.y - 5}, triangle[1] = {c.x - 2, c.y - 1}, triangle[2] = {c.x + 2, c.y + 3};
        else
            triangle[0] = {c.x - 5, c.y + 2}, triangle[1] = {c.x - 1, c.y - 2}, triangle[2] = {c.x + 3, c.y + 2};
    }
    pDC->Polygon(triangle, 3);
}

void CXTPTabNavigateButton::Draw(CDC* pDC)
{
    if (m_rcButton.IsRectEmpty())
        return;
    CRect rc = m_rcButton;
    CXTPTabPaintManager* pPaintManager = m_pManager->GetPaintManager();
    if (pPaintManager != nullptr && pPaintManager->GetColorSet() != nullptr)
        pPaintManager->GetColorSet()->PaintNavigateButtonFace(pDC, this, rc);
    const COLORREF clrGlyph = pDC->GetTextColor();
    CPen pen(PS_SOLID, 1, clrGlyph);
    CBrush brush;
    if (m_bEnabled)
        brush.CreateSolidBrush(clrGlyph);
    CPen* pOldPen = pDC->SelectObject(&pen);
    HGDIOBJ hOldBrush = ::SelectObject(pDC->GetSafeHdc(),
                                       m_bEnabled ? brush.GetSafeHandle() : ::GetStockObject(NULL_BRUSH));
    DrawGlyph(pDC, rc);
    ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
    pDC->SelectObject(pOldPen);
}

void CXTPTabNavigateButton::UpdateHotState(HWND hWnd, CPoint pt)
{
    const BOOL bInside = m_rcButton.PtInRect(pt);
    if (!bInside && m_bHot) {
        m_bHot = FALSE;
        m_pManager->RedrawControl();
    } else if (bInside && m_bEnabled && !m_bHot) {
        m_bHot = TRUE;
        m_pManager->RedrawControl();
        CXTPTabManager::TrackMouseLeave(hWnd);
    }
}

void CXTPTabNavigateButton::PerformClick(HWND hWnd, CPoint pt)
{
    if (::GetCapture() != nullptr || !m_bEnabled)
        return;
    const BOOL bReleasedInside = TrackClick(hWnd, pt);
    m_bPressed = FALSE;
    UpdateHotState(hWnd, pt);
    m_pManager->RedrawControl();
    if (bReleasedInside)
        OnClicked(FALSE);
}

BOOL CXTPTabNavigateButton::TrackClick(HWND hWnd, CPoint pt)
{
    ::SetCapture(hWnd);
    DWORD dwNextTick = ::GetTickCount();
    BOOL bReleasedInside = FALSE;
    for (;;) {
        if (m_bEnabled && static_cast<LONG>(::GetTickCount() - dwNextTick) >= 0) {
            OnClicked(TRUE);
            dwNextTick = ::GetTickCount() + kRepeatInterval;
        }
        const BOOL bPressed = m_rcButton.PtInRect(pt);
        if (bPressed != m_bPressed) {
            m_bPressed = bPressed;
            m_pManager->RedrawControl();
        }
        if (::GetCapture() != hWnd)
            break;
        // Sleep until input arrives or the next auto-repeat tick is due.
        const DWORD dwWait = m_bEnabled ? TabMessageLoop::MillisecondsUntil(dwNextTick) : INFINITE;
        MSG msg;
        const TabMessageLoop::Result result = TabMessageLoop::NextMessage(msg, dwWait);
        if (result == TabMessageLoop::timeout)
            continue;
        if (result == TabMessageLoop::quit)
            break;
        if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN
            || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            break;
        if (msg.message == WM_MOUSEMOVE) {
            pt = TabMessageLoop::ClientPoint(msg, hWnd);
        } else if (msg.message == WM_LBUTTONUP) {
            bReleasedInside = m_rcButton.PtInRect(TabMessageLoop::ClientPoint(msg, hWnd));
            break;
        } else {
            ::DispatchMessageW(&msg);
        }
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return bReleasedInside;
}

void CXTPTabNavigateButton::OnClicked(BOOL bRepeat)
{
    if (IsScrollButton()) {
        if (bRepeat)
            m_pManager->OnScroll(m_nID == xtpTabNavigateButtonRight);
    } else if (!bRepeat) {
        m_pManager->OnNavigateButtonClick(m_nID);
    }
}
