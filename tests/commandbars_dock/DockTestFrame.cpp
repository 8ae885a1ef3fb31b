#include "DockTestFrame.h"

#include <algorithm>

#include "CXTPBarDragContext.h"

IMPLEMENT_DYNCREATE(SizedBar, CXTPToolBar)

CSize SizedBar::CalcDynamicLayout(int nLength, DWORD dwMode, int)
{
    int nAlong = m_size.cx;
    if (dwMode & LM_SINGLEROW)
        nAlong = std::min(nAlong, std::max(nLength, m_nMinLength));
    if (dwMode & LM_STRETCH)
        nAlong = nLength;
    return (dwMode & LM_VERTDOCK) ? CSize(m_size.cy, nAlong) : CSize(nAlong, m_size.cy);
}

CSize SizedBar::CalcDockingLayout(int nLength, DWORD dwMode)
{
    if (dwMode & LM_LENGTHY)
        return CSize(m_size.cx, nLength > 0 ? nLength : m_size.cy);
    if (dwMode & LM_MRUWIDTH || nLength <= 0)
        return m_size;
    return CSize(nLength, m_size.cy);
}

BOOL SizedBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_PRINT)
        ::GetViewportOrgEx(reinterpret_cast<HDC>(wParam), &m_ptPrintOrigin);
    return CXTPToolBar::OnWndMsg(message, wParam, lParam, pResult);
}

DockTestFrame* DockTestFrame::Make(int cx, int cy)
{
    auto* pFrame = new DockTestFrame;
    pFrame->Create(nullptr, L"Dock test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, cx, cy));
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    pFrame->SetWindowPos(nullptr, 0, 0, 2 * cx - rcClient.Width(), 2 * cy - rcClient.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    pFrame->m_pCommandBars = new CXTPCommandBars;
    pFrame->m_pCommandBars->AttachFrame(pFrame);
    pFrame->m_pCommandBars->EnableDocking();
    pFrame->RecalcLayout();
    return pFrame;
}

DockTestFrame::~DockTestFrame()
{
    if (m_pCommandBars != nullptr)
        m_pCommandBars->InternalRelease();
}

BOOL DockTestFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DESTROY && m_pCommandBars != nullptr) {
        m_pCommandBars->InternalRelease();
        m_pCommandBars = nullptr;
    }
    return CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

SizedBar* DockTestFrame::AddBar(const wchar_t* pszTitle, int nPosition, CSize size, int nMinLength)
{
    auto* pBar = static_cast<SizedBar*>(m_pCommandBars->AddToolBar(pszTitle, nPosition, RUNTIME_CLASS(SizedBar)));
    pBar->m_size = size;
    pBar->m_nMinLength = nMinLength;
    m_pCommandBars->RecalcFrameLayout(FALSE);
    return pBar;
}

void DockTestFrame::DropAt(CXTPToolBar* pBar, int nPosition, int nAlong, int nAcross)
{
    CXTPDockBar* pDockBar = Dock(nPosition);
    CRect rc;
    pBar->GetWindowRect(&rc);
    CRect rcDrop = pDockBar->IsHorizontal() ? CRect(CPoint(nAlong, nAcross - rc.Height() / 2), rc.Size())
                                            : CRect(CPoint(nAcross - rc.Width() / 2, nAlong), rc.Size());
    pDockBar->ClientToScreen(&rcDrop);
    m_pCommandBars->DockCommandBar(pBar, &rcDrop, pDockBar);
    m_pCommandBars->RecalcFrameLayout(FALSE);
}

CRect DockTestFrame::RectInDock(CXTPToolBar* pBar)
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    pBar->GetDockBar()->ScreenToClient(&rc);
    return rc;
}

std::string DockTestFrame::Rows(CXTPDockBar* pDockBar)
{
    std::string rows;
    const CXTPCommandBarArray& bars = pDockBar->GetBars();
    for (INT_PTR i = 0; i < bars.GetSize(); i++) {
        if (bars[i] == nullptr) {
            rows += '|';
            continue;
        }
        if (rows.back() != '|')
            rows += ' ';
        rows += CStringA(bars[i]->GetTitle()).GetString();
    }
    return rows;
}
