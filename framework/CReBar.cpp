#include "CReBar.h"

#include <algorithm>

#include "CBitmap.h"
#include "CFrameWnd.h"

IMPLEMENT_DYNAMIC(CReBar, CWnd)

BEGIN_MESSAGE_MAP(CReBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_RECALCPARENT, OnRecalcParent)
    ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChangeNotify)
END_MESSAGE_MAP()

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    AfxInitCommonControls(ICC_COOL_CLASSES);
    // The bar style bits (alignment, borders) are not window styles of the
    // control; the rebar never aligns itself, the layout request places it.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER | CCS_NORESIZE;
    return CWnd::Create(REBARCLASSNAMEW, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return FALSE;
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.fStyle = dwStyle;
    band.hwndChild = pBar->GetSafeHwnd();
    band.cxMinChild = rcBar.Width();
    band.cyMinChild = rcBar.Height();
    band.cx = rcBar.Width();
    if (pszText != nullptr) {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<LPWSTR>(pszText);
    }
    if (pbmp != nullptr) {
        band.fMask |= RBBIM_BACKGROUND;
        band.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
    }
    return SendMessage(RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)) != 0;
}

void CReBar::OnHeightChange()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return;
    if (pFrame->IsInRecalcLayout())
        PostMessage(WM_RECALCPARENT);
    else
        pFrame->RecalcLayout();
}

LRESULT CReBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!IsWindowVisible())
        return 0;
    CRect rcFree(pLayout->rect);
    int cy = static_cast<int>(SendMessage(RB_GETBARHEIGHT));
    cy = std::min(cy, rcFree.Height());
    CRect rcBar(rcFree.left, rcFree.top, rcFree.right, rcFree.top + cy);
    pLayout->rect.top += cy;
    pLayout->sizeTotal.cy += cy;
    pLayout->sizeTotal.cx = std::max<LONG>(pLayout->sizeTotal.cx, rcBar.Width());
    AfxRepositionWindow(pLayout, m_hWnd, &rcBar);
    return 0;
}

LRESULT CReBar::OnRecalcParent(WPARAM, LPARAM)
{
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    return 0;
}

void CReBar::OnHeightChangeNotify(NMHDR*, LRESULT* pResult)
{
    OnHeightChange();
    *pResult = 0;
}
