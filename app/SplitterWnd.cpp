#include "SplitterWnd.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(SplitterWnd, CStatic)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const wchar_t kVertValue[] = L"VertSplitPos";
const wchar_t kHorizValue[] = L"HorizSplitPos";
}  // namespace

SplitterWnd::SplitterWnd()
{
    m_barBrush.CreateSolidBrush(0xCDC0AC);
}

CString SplitterWnd::VerticalSection(UINT nID)
{
    CString section;
    section.Format(L"%s%d", L"splt\\init_v", static_cast<int>(nID));
    return section;
}

CString SplitterWnd::HorizontalSection(UINT nID)
{
    CString section;
    section.Format(L"%s%d", L"splt\\init_h", static_cast<int>(nID));
    return section;
}

BOOL SplitterWnd::Create(DWORD dwStyle, CWnd* pParentWnd, CWnd* pFirst, CWnd* pSecond, UINT nID, const RECT& rect,
                         int nFirstMinimum, int nSecondMinimum)
{
    // The mode bits would read as SS_CENTER / SS_RIGHT; the bar needs mouse input.
    const DWORD windowStyle = (dwStyle & ~(SideBySide | Stacked)) | SS_NOTIFY;
    if (!CStatic::Create(L"", windowStyle, rect, pParentWnd, nID))
        return FALSE;
    m_nID = nID;
    m_pFirst = pFirst;
    m_pSecond = pSecond;
    m_nFirstMinimum = nFirstMinimum;
    m_nSecondMinimum = nSecondMinimum;
    for (CWnd* pPane : {pFirst, pSecond})
        if (pPane != nullptr && pPane->GetSafeHwnd() != nullptr)
            pPane->SetParent(this);
    // The panes always start at their default sizes: a stored position may come
    // from a run that closed before the step was laid out (a pane a few pixels
    // wide), and restoring it would hide that pane on every later start.
    if (dwStyle & SideBySide) {
        m_bVertical = true;
        m_bHorizontal = false;
        m_nLeftWidth = DefaultPaneSize;
        PlaceVerticalBar(ClampX(m_nLeftWidth + BarWidth / 2));
    } else if (dwStyle & Stacked) {
        m_bHorizontal = true;
        m_bVertical = false;
        m_nBottomHeight = DefaultPaneSize;
        CRect rc;
        GetClientRect(&rc);
        PlaceHorizontalBar(ClampY(rc.bottom - BarWidth / 2 - m_nBottomHeight));
    }
    return TRUE;
}

int SplitterWnd::ClampX(int x) const
{
    CRect rc;
    GetClientRect(&rc);
    return std::max(static_cast<int>(rc.left) + m_nFirstMinimum, std::min(x, static_cast<int>(rc.right) - m_nSecondMinimum));
}

int SplitterWnd::ClampY(int y) const
{
    CRect rc;
    GetClientRect(&rc);
    return std::max(static_cast<int>(rc.top) + m_nFirstMinimum, std::min(y, static_cast<int>(rc.bottom) - m_nSecondMinimum));
}

void SplitterWnd::PlaceVerticalBar(int x)
{
    CRect rc;
    GetClientRect(&rc);
    m_rcBar.SetRect(x - BarWidth, rc.top, x + BarWidth, rc.bottom);
    m_rcFirst.SetRect(rc.left, rc.top, x - BarWidth / 2, rc.bottom);
    m_rcSecond.SetRect(m_rcFirst.right + BarWidth, rc.top, rc.right, rc.bottom);
    if (m_pFirst != nullptr && m_pFirst->GetSafeHwnd() != nullptr)
        m_pFirst->MoveWindow(&m_rcFirst);
    if (m_pSecond != nullptr && m_pSecond->GetSafeHwnd() != nullptr)
        m_pSecond->MoveWindow(&m_rcSecond);
}

void SplitterWnd::PlaceHorizontalBar(int y)
{
    CRect rc;
    GetClientRect(&rc);
    m_rcBar.SetRect(0, y - BarWidth, rc.right, y + BarWidth);
    m_rcSecond.SetRect(rc.left, y + BarWidth / 2, rc.right, rc.bottom);
    m_rcFirst.SetRect(rc.left, rc.top, rc.right, m_rcSecond.top - BarWidth);
    if (m_pFirst != nullptr && m_pFirst->GetSafeHwnd() != nullptr)
        m_pFirst->MoveWindow(&m_rcFirst);
    if (m_pSecond != nullptr && m_pSecond->GetSafeHwnd() != nullptr)
        m_pSecond->MoveWindow(&m_rcSecond);
}

void SplitterWnd::ShowSecondPane()
{
    if (!m_bHorizontal || !m_bBottomHidden)
        return;
    m_bBottomHidden = false;
    if (!m_rcSecond.IsRectEmpty())
        m_nBottomHeight = m_rcSecond.Height();
    CRect rc;
    GetClientRect(&rc);
    PlaceHorizontalBar(ClampY(rc.bottom - BarWidth / 2 - m_nBottomHeight));
    if (m_pSecond != nullptr && m_pSecond->GetSafeHwnd() != nullptr)
        m_pSecond->ShowWindow(SW_SHOW);
}

void SplitterWnd::HideSecondPane()
{
    if (!m_bHorizontal || m_bBottomHidden || m_pSecond == nullptr || m_pSecond->GetSafeHwnd() == nullptr)
        return;
    m_bBottomHidden = true;
    m_rcSecond.SetRectEmpty();
    m_pSecond->ShowWindow(SW_HIDE);
    GetClientRect(&m_rcFirst);
    if (m_pFirst != nullptr && m_pFirst->GetSafeHwnd() != nullptr)
        m_pFirst->MoveWindow(&m_rcFirst);
}

void SplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (m_bVertical) {
        PlaceVerticalBar(ClampX(m_nLeftWidth + BarWidth / 2));
    } else if (m_bHorizontal) {
        if (m_bBottomHidden) {
            GetClientRect(&m_rcFirst);
            if (m_pFirst != nullptr && m_pFirst->GetSafeHwnd() != nullptr)
                m_pFirst->MoveWindow(&m_rcFirst);
        } else {
            PlaceHorizontalBar(ClampY(cy - BarWidth / 2 - m_nBottomHeight));
        }
    }
}

void SplitterWnd::InvertTrackingLine(int at)
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    CRect line = m_bVertical ? CRect(at - BarWidth / 2, rc.top, at - BarWidth / 2 + BarWidth, rc.bottom)
                             : CRect(rc.left, at - BarWidth / 2, rc.right, at - BarWidth / 2 + BarWidth);
    // The parent's window DC, not clipped by the panes, so the line shows over them.
    ClientToScreen(&line);
    CRect parentWindow;
    pParent->GetWindowRect(&parentWindow);
    line.OffsetRect(-parentWindow.left, -parentWindow.top);
    HDC hdc = ::GetDCEx(pParent->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hdc == nullptr)
        return;
    HGDIOBJ old = ::SelectObject(hdc, m_barBrush.GetSafeHandle());
    ::PatBlt(hdc, line.left, line.top, line.Width(), line.Height(), PATINVERT);
    ::SelectObject(hdc, old);
    ::ReleaseDC(pParent->m_hWnd, hdc);
}

void SplitterWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if ((!m_bVertical && !m_bHorizontal) || (m_bHorizontal && m_bBottomHidden) || !m_rcBar.PtInRect(point)) {
        CStatic::OnLButtonDown(nFlags, point);
        return;
    }
    m_bTracking = true;
    m_nTrackAt = m_bVertical ? ClampX(point.x) : ClampY(point.y);
    InvertTrackingLine(m_nTrackAt);
    SetCapture();
    m_hOldFocus = ::GetFocus();
    SetFocus();
    ::SetCursor(::LoadCursorW(nullptr, m_bVertical ? IDC_SIZEWE : IDC_SIZENS));
}

void SplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking || (m_rcBar.PtInRect(point) && !(m_bHorizontal && m_bBottomHidden)))
        ::SetCursor(::LoadCursorW(nullptr, m_bVertical ? IDC_SIZEWE : IDC_SIZENS));
    if (!m_bTracking) {
        CStatic::OnMouseMove(nFlags, point);
        return;
    }
    const int at = m_bVertical ? ClampX(point.x) : ClampY(point.y);
    if (at == m_nTrackAt)
        return;
    InvertTrackingLine(m_nTrackAt);
    m_nTrackAt = at;
    InvertTrackingLine(m_nTrackAt);
}

void SplitterWnd::EndTracking(bool bPlace, CPoint point)
{
    InvertTrackingLine(m_nTrackAt);
    m_bTracking = false;
    if (bPlace) {
        if (m_bVertical) {
            PlaceVerticalBar(ClampX(point.x));
            m_nLeftWidth = m_rcFirst.Width();
        } else {
            PlaceHorizontalBar(ClampY(point.y));
            m_nBottomHeight = m_rcSecond.Height();
        }
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_hOldFocus != nullptr && ::IsWindow(m_hOldFocus))
        ::SetFocus(m_hOldFocus);
    m_hOldFocus = nullptr;
}

void SplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        CStatic::OnLButtonUp(nFlags, point);
        return;
    }
    EndTracking(true, point);
}

BOOL SplitterWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bTracking && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        EndTracking(false, CPoint());
        return TRUE;
    }
    return CStatic::PreTranslateMessage(pMsg);
}

void SplitterWnd::OnDestroy()
{
    CStatic::OnDestroy();
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    if (m_bVertical && !m_rcFirst.IsRectEmpty())
        pApp->WriteProfileInt(VerticalSection(m_nID), kVertValue, m_rcFirst.right);
    if (m_bHorizontal && !m_rcSecond.IsRectEmpty())
        pApp->WriteProfileInt(HorizontalSection(m_nID), kHorizValue, m_rcSecond.Height());
}
