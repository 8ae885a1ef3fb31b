#include "CXTPTabManager.h"

#include <algorithm>

#include "CXTPToolTipContext.h"
#include "TabMessageLoop.h"

CXTPTabManager::CXTPTabManager()
{
    m_arrNavigateButtons.push_back(
        std::make_unique<CXTPTabNavigateButton>(this, xtpTabNavigateButtonLeft, xtpTabNavigateButtonAutomatic));
    m_arrNavigateButtons.push_back(
        std::make_unique<CXTPTabNavigateButton>(this, xtpTabNavigateButtonRight, xtpTabNavigateButtonAutomatic));
    m_arrNavigateButtons.push_back(
        std::make_unique<CXTPTabNavigateButton>(this, xtpTabNavigateButtonClose, xtpTabNavigateButtonNone));
}

CXTPTabManager::~CXTPTabManager()
{
    for (CXTPTabManagerItem* pItem : m_arrItems) {
        pItem->m_pManager = nullptr;
        pItem->InternalRelease();
    }
}

void CXTPTabManager::RequestReposition()
{
    Reposition();
}

CString CXTPTabManager::GetItemCaption(const CXTPTabManagerItem* pItem) const
{
    return pItem->ReadCaption();
}

DWORD_PTR CXTPTabManager::GetItemData(const CXTPTabManagerItem* pItem) const
{
    return pItem->GetData();
}

COLORREF CXTPTabManager::GetItemColor(const CXTPTabManagerItem* pItem) const
{
    return PaletteTabColor(pItem->GetColor());
}

CString CXTPTabManager::GetItemTooltip(const CXTPTabManagerItem* pItem) const
{
    return pItem->GetToolTip();
}

void CXTPTabManager::OnItemsChanged()
{
    for (size_t i = 0; i < m_arrItems.size(); ++i)
        m_arrItems[i]->m_nIndex = static_cast<int>(i);
    Reposition();
}

void CXTPTabManager::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (pItem == m_pSelected)
        return;
    m_pSelected = pItem;
    Reposition();
    if (pItem != nullptr && GetPaintManager() != nullptr)
        GetPaintManager()->ScrollTabIntoView(this, pItem);
}

void CXTPTabManager::OnKeyboardSelect(CXTPTabManagerItem* pItem)
{
    if (pItem != nullptr)
        SelectItem(pItem);
}

void CXTPTabManager::GetItemMetrics(CSize* pszNormal, CSize* pszMin, CSize* pszMax) const
{
    if (pszNormal != nullptr)
        *pszNormal = m_szItem;
    if (pszMin != nullptr)
        *pszMin = m_szItemMin;
    if (pszMax != nullptr)
        *pszMax = m_szItemMax;
}

void CXTPTabManager::SetItemMetrics(CSize szNormal, CSize szMin, CSize szMax)
{
    m_szItem = szNormal;
    m_szItemMin = szMin;
    m_szItemMax = szMax;
    Reposition();
}

void CXTPTabManager::SetPaintManager(CXTPTabPaintManager*)
{
}

XTPTabPosition CXTPTabManager::GetPosition() const
{
    const CXTPTabPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager != nullptr ? static_cast<XTPTabPosition>(pPaintManager->GetPositionOption())
                                    : xtpTabPositionTop;
}

XTPTabLayoutStyle CXTPTabManager::GetLayout() const
{
    const CXTPTabPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager != nullptr ? static_cast<XTPTabLayoutStyle>(pPaintManager->GetLayout())
                                    : xtpTabLayoutAutoSize;
}

void CXTPTabManager::OnScroll(BOOL bForward)
{
    ScrollHeaderTo(m_nScrollOffset + (bForward ? -kScrollStep : kScrollStep));
}

BOOL CXTPTabManager::IsNavigateButtonVisible(const CXTPTabNavigateButton* pButton) const
{
    if (pButton->GetID() != xtpTabNavigateButtonClose)
        return TRUE;
    return m_pSelected != nullptr && m_pSelected->IsClosable();
}

void CXTPTabManager::SelectItem(CXTPTabManagerItem* pItem)
{
    SetSelectedItem(pItem);
}

void CXTPTabManager::OnNavigateButtonClick(UINT)
{
}

CXTPTabManagerItem* CXTPTabManager::InsertItem(int nIndex, CXTPTabManagerItem* pItem)
{
    if (pItem == nullptr)
        pItem = new CXTPTabManagerItem();
    if (nIndex < 0 || nIndex > CountItems())
        nIndex = CountItems();
    pItem->m_pManager = this;
    m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
    CXTPTabPaintManager* pPaintManager = GetPaintManager();
    pItem->SetColor(pPaintManager != nullptr ? pPaintManager->NextItemColor() : kFirstPaletteTabColor);
    OnItemsChanged();
    return pItem;
}

BOOL CXTPTabManager::RemoveItemAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= CountItems())
        return FALSE;
    CXTPTabManagerItem* pItem = m_arrItems[static_cast<size_t>(nIndex)];
    m_arrItems.erase(m_arrItems.begin() + nIndex);
    // Nothing may point at the item once it is released.
    const BOOL bWasSelected = pItem == m_pSelected;
    if (bWasSelected)
        m_pSelected = nullptr;
    if (pItem == m_pHighlighted)
        m_pHighlighted = nullptr;
    pItem->m_pManager = nullptr;
    pItem->m_nIndex = -1;
    pItem->InternalRelease();
    for (size_t i = 0; i < m_arrItems.size(); ++i)
        m_arrItems[i]->m_nIndex = static_cast<int>(i);
    if (bWasSelected)
        SetCurSel(nIndex);
    OnItemsChanged();
    return TRUE;
}

void CXTPTabManager::SetCurSel(int nIndex)
{
    if (m_arrItems.empty()) {
        SetSelectedItem(nullptr);
        return;
    }
    SetSelectedItem(m_arrItems[static_cast<size_t>(std::clamp(nIndex, 0, CountItems() - 1))]);
}

CXTPTabManagerItem* CXTPTabManager::ItemAtIndex(int nIndex) const
{
    return nIndex >= 0 && nIndex < CountItems() ? m_arrItems[static_cast<size_t>(nIndex)] : nullptr;
}

CXTPTabManagerItem* CXTPTabManager::StepToUsableItem(int nIndex, int nStep) const
{
    for (int i = nIndex + nStep; i >= 0 && i < CountItems(); i += nStep) {
        CXTPTabManagerItem* pItem = m_arrItems[static_cast<size_t>(i)];
        if (pItem->IsVisible() && pItem->IsEnabled())
            return pItem;
    }
    return nullptr;
}

void CXTPTabManager::SetPaintOption(XTPTabPosition position)
{
    if (GetPaintManager() != nullptr)
        GetPaintManager()->SetPositionOption(position);
    Reposition();
}

void CXTPTabManager::ScrollHeaderTo(int nOffset)
{
    nOffset = std::min(nOffset, 0);
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    Reposition();
}

int CXTPTabManager::SumItemLengths() const
{
    CXTPTabPaintManager* pPaintManager = GetPaintManager();
    if (GetLayout() == xtpTabLayoutRotated && pPaintManager->GetAppearanceSet() != nullptr)
        return CountItems() * pPaintManager->GetAppearanceSet()->GetRowHeight(const_cast<CXTPTabManager*>(this));
    int nTotal = 0;
    for (const CXTPTabManagerItem* pItem : m_arrItems)
        if (pItem->IsVisible()) // a hidden tab takes no room, whatever it measured last
            nTotal += pItem->GetLength();
    return nTotal;
}

CXTPTabNavigateButton* CXTPTabManager::GetNavigateButton(int nIndex) const
{
    return nIndex >= 0 && nIndex < CountNavigateButtons() ? m_arrNavigateButtons[static_cast<size_t>(nIndex)].get()
                                                           : nullptr;
}

CXTPTabNavigateButton* CXTPTabManager::FindNavigateButton(UINT nID) const
{
    for (const auto& pButton : m_arrNavigateButtons)
        if (pButton->GetID() == nID)
            return pButton.get();
    return nullptr;
}

void CXTPTabManager::AdjustNavigateButtons(CRect& rcHeader)
{
    // The last button takes the far end, the others line up before it.
    for (auto it = m_arrNavigateButtons.rbegin(); it != m_arrNavigateButtons.rend(); ++it)
        (*it)->AdjustLayout(rcHeader);
}

void CXTPTabManager::DrawNavigateButtons(CDC* pDC)
{
    for (auto it = m_arrNavigateButtons.rbegin(); it != m_arrNavigateButtons.rend(); ++it)
        (*it)->Draw(pDC);
}

CXTPTabManagerItem* CXTPTabManager::ItemFromPoint(CPoint pt) const
{
    if (!m_rcHeader.PtInRect(pt))
        return nullptr;
    if (!m_rcControl.IsRectEmpty() && !m_rcControl.PtInRect(pt))
        return nullptr;
    for (CXTPTabManagerItem* pItem : m_arrItems)
        if (pItem->GetRect().PtInRect(pt) && pItem->IsVisible() && pItem->IsEnabled())
            return pItem;
    return nullptr;
}

BOOL CXTPTabManager::PerformClick(HWND hWnd, CPoint pt, BOOL bNavigateButtonsOnly)
{
    for (const auto& pButton : m_arrNavigateButtons)
        if (pButton->GetRect().PtInRect(pt)) {
            pButton->PerformClick(hWnd, pt);
            return TRUE;
        }
    if (bNavigateButtonsOnly)
        return FALSE;
    CXTPTabManagerItem* pItem = ItemFromPoint(pt);
    if (pItem == nullptr)
        return FALSE;
    if (IsAllowReorder())
        TrackDragReorder(hWnd, pt, pItem);
    else
        SelectItem(pItem);
    return FALSE;
}

void CXTPTabManager::PerformMouseMove(HWND hWnd, CPoint pt)
{
    if ((hWnd != nullptr && !::IsWindowEnabled(hWnd)) || IsMouseLocked())
        return;
    const CXTPTabPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != nullptr && pPaintManager->m_bHotTracking) {
        CXTPTabManagerItem* pHot = ItemFromPoint(pt);
        if (pHot != m_pHighlighted) {
            m_pHighlighted = pHot;
            RedrawControl();
            if (pHot != nullptr)
                TrackMouseLeave(hWnd);
        }
    }
    for (const auto& pButton : m_arrNavigateButtons)
        pButton->UpdateHotState(hWnd, pt);
}

void CXTPTabManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == nullptr)
        return;
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hWnd, 0};
    ::_TrackMouseEvent(&tme);
}

INT_PTR CXTPTabManager::FillItemTipInfo(CPoint pt, TOOLINFO* pTI) const
{
    CXTPTabManagerItem* pItem = ItemFromPoint(pt);
    const CXTPTabPaintManager* pPaintManager = GetPaintManager();
    if (pItem == nullptr || pPaintManager == nullptr)
        return -1;
    const int nOption = pPaintManager->m_nToolTipBehaviour;
    if (nOption == 0 || (nOption == 2 && pItem->GetLength() >= pItem->GetWantedLength()))
        return -1;
    const CString strTip = GetItemTooltip(pItem);
    if (strTip.IsEmpty())
        return -1;
    CXTPToolTipContext::FillInToolInfo(pTI, GetManagerWindow(), pItem->GetRect(), pItem->GetIndex(), strTip,
                                       GetItemCaption(pItem));
    return pItem->GetIndex();
}

void CXTPTabManager::TrackDragReorder(HWND hWnd, CPoint pt, CXTPTabManagerItem* pItem)
{
    // The dragged tab shows as selected while it moves; the selection before
    // the drag is put back at the end so that the final selection is a change.
    CXTPTabManagerItem* pPreviousSelection = m_pSelected;
    m_pSelected = pItem;
    const CXTPTabPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != nullptr && pPaintManager->m_bHotTracking)
        m_pHighlighted = pItem;
    Reposition();
    std::vector<CRect> rects;
    for (const CXTPTabManagerItem* p : m_arrItems)
        rects.push_back(p->GetRect());

    ::SetCapture(hWnd);
    while (::GetCapture() == hWnd) {
        MSG msg;
        const TabMessageLoop::Result result = TabMessageLoop::NextMessage(msg, INFINITE);
        if (result == TabMessageLoop::timeout)
            continue;
        if (result == TabMessageLoop::quit || msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN
            || msg.message == WM_CANCELMODE || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            break;
        if (msg.message != WM_MOUSEMOVE) {
            ::DispatchMessageW(&msg);
            continue;
        }
        pt = TabMessageLoop::ClientPoint(msg, hWnd);
        const int nDragged = pItem->GetIndex();
        for (int i = 0; i < static_cast<int>(rects.size()) && i < CountItems(); ++i) {
            if (i != nDragged && rects[static_cast<size_t>(i)].PtInRect(pt)) {
                std::swap(m_arrItems[static_cast<size_t>(i)], m_arrItems[static_cast<size_t>(nDragged)]);
                OnItemsChanged();
                break;
            }
        }
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    PerformMouseMove(hWnd, pt);
    m_pSelected = pPreviousSelection;
    SelectItem(pItem);
}

BOOL CXTPTabManager::PerformKeyDown(HWND hWnd, UINT nChar)
{
    if (m_arrItems.empty())
        return FALSE;
    if (hWnd != nullptr && (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0) {
        if (nChar == VK_LEFT)
            nChar = VK_RIGHT;
        else if (nChar == VK_RIGHT)
            nChar = VK_LEFT;
    }
    const BOOL bHorizontal = IsHorizontalPosition();
    const UINT nBack = bHorizontal ? VK_LEFT : VK_UP;
    const UINT nForward = bHorizontal ? VK_RIGHT : VK_DOWN;
    const UINT nCrossA = bHorizontal ? VK_UP : VK_LEFT;
    const UINT nCrossB = bHorizontal ? VK_DOWN : VK_RIGHT;
    const int nSelected = m_pSelected != nullptr ? m_pSelected->GetIndex() : -1;
    CXTPTabManagerItem* pItem = nullptr;
    if (nChar == VK_END)
        pItem = StepToUsableItem(CountItems(), -1);
    else if (nChar == VK_HOME)
        pItem = StepToUsableItem(-1, 1);
    else if (nChar == nBack)
        pItem = StepToUsableItem(nSelected, -1);
    else if (nChar == nForward)
        pItem = StepToUsableItem(nSelected, 1);
    else if (nChar != nCrossA && nChar != nCrossB)
        return FALSE;
    OnKeyboardSelect(pItem);
    return TRUE;
}
