#include "CXTTabWindow.h"

#include <algorithm>

#include "CXTGradientFiller.h"
#include "CXTOffscreenDC.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(CXTTabWindow, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CXTTabWindow::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    return CWnd::Create(lpszClass, nullptr, dwStyle, rect, pParentWnd, nID);
}

CXTPTabManagerItem* CXTTabWindow::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[static_cast<size_t>(nIndex)].get() : nullptr;
}

CXTPTabManagerItem* CXTTabWindow::InsertItem(int nIndex, LPCTSTR lpszCaption, HWND hWndPage, int nImage)
{
    const bool bSelectFirst = nIndex == 0;
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    auto item = std::make_unique<CXTPTabManagerItem>();
    item->SetCaption(lpszCaption);
    item->SetHandle(hWndPage);
    item->SetImageIndex(nImage);
    CXTPTabManagerItem* pItem = item.get();
    m_items.insert(m_items.begin() + nIndex, std::move(item));
    for (int i = 0; i < GetItemCount(); ++i)
        m_items[static_cast<size_t>(i)]->m_nIndex = i;
    if (::IsWindow(hWndPage))
        ::ShowWindow(hWndPage, SW_HIDE);
    Reposition();
    if (bSelectFirst)
        SetCurSel(0);
    return pItem;
}

void CXTTabWindow::SetCurSel(int nIndex)
{
    // An index past either end selects the nearest item; only an empty tab selects none.
    const int count = GetItemCount();
    CXTPTabManagerItem* pItem = count == 0 ? nullptr : GetItem(std::clamp(nIndex, 0, count - 1));
    if (pItem != m_pSelected) {
        if (::IsWindow(m_hWndShown))
            ::ShowWindow(m_hWndShown, SW_HIDE);
        m_pSelected = pItem;
        m_hWndShown = pItem != nullptr ? pItem->GetHandle() : nullptr;
        Reposition();
        if (::IsWindow(m_hWndShown))
            ::ShowWindow(m_hWndShown, SW_SHOW);
    }
    if (!::IsWindow(m_hWnd))
        return;
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr && ::IsWindow(pTarget->GetSafeHwnd())) {
        NMHDR nmhdr{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(TCN_SELCHANGE)};
        pTarget->SendMessage(WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
    }
}

std::vector<CRect> CXTTabWindow::HeaderRects() const
{
    std::vector<CRect> rects(m_items.size());
    int x = 2;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (!m_items[i]->IsVisible())
            continue;
        const int width = 16 + 7 * m_items[i]->GetCaption().GetLength();
        rects[i] = CRect(x, 2, x + width, kHeaderHeight);
        x += width + 2;
    }
    return rects;
}

CRect CXTTabWindow::GetHeaderRect() const
{
    CRect rc;
    if (!::IsWindow(m_hWnd))
        return CRect(0, 0, 0, 0);
    GetClientRect(&rc);
    for (const auto& item : m_items)
        if (item->IsVisible())
            return CRect(rc.left, rc.top, rc.right, rc.top + kHeaderHeight);
    return CRect(rc.left, rc.top, rc.right, rc.top);
}

void CXTTabWindow::Reposition()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect rc;
    GetClientRect(&rc);
    rc.top = GetHeaderRect().bottom;
    if (::IsWindow(m_hWndShown))
        ::MoveWindow(m_hWndShown, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CXTTabWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const CRect rcHeader = GetHeaderRect();
    if (rcHeader.IsRectEmpty())
        return; // the page covers everything
    CXTOffscreenDC memDC(&dc, rcHeader);
    memDC.FillSolidRect(&rcHeader, ::GetSysColor(COLOR_BTNFACE));
    memDC.SetBkMode(TRANSPARENT);
    CFont* pOldFont = memDC.SelectObject(&ToolkitLookData().fontNormal);
    const std::vector<CRect> rects = HeaderRects();
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (rects[i].IsRectEmpty())
            continue;
        CRect rcTab = rects[i];
        const bool selected = m_items[i].get() == m_pSelected;
        CXTGradientFiller::Instance().FillGradient(&memDC, rcTab, 0xFFFFFF,
                                                   selected ? ::GetSysColor(COLOR_WINDOW) : ::GetSysColor(COLOR_BTNFACE), FALSE);
        memDC.Draw3dRect(&rcTab, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        memDC.SetTextColor(::GetSysColor(m_items[i]->IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        memDC.DrawText(m_items[i]->GetCaption(), &rcTab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    memDC.SelectObject(pOldFont);
}

void CXTTabWindow::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    Reposition();
}

void CXTTabWindow::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    const std::vector<CRect> rects = HeaderRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (!rects[i].IsRectEmpty() && rects[i].PtInRect(point) && m_items[i]->IsEnabled()) {
            SetCurSel(static_cast<int>(i));
            return;
        }
    Default();
}
