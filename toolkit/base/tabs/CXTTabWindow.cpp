#include "CXTTabWindow.h"

#include "CClientDC.h"
#include "CPaintDC.h"
#include "CXTOffscreenDC.h"
#include "CXTPColorManager.h"
#include "CXTPImageManager.h"
#include "CXTPToolTipContext.h"
#include "CXTTabDropTarget.h"

BEGIN_MESSAGE_MAP(CXTTabWindow, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CXTTabWindow::CXTTabWindow()
    : m_pPaintManager(new CXTPTabPaintManager()),
      m_pImageManager(new CXTPImageManager()),
      m_pDropTarget(std::make_unique<CXTTabDropTarget>(this)),
      m_pToolTipContext(new CXTPToolTipContext())
{
    // Scheme colours would tint a plain tab window; mnemonics show on horizontal labels.
    m_pPaintManager->SetNoSchemeColors(TRUE);
    m_pPaintManager->m_bNoPrefix = FALSE;
    m_pPaintManager->AddObserver(this);
    SetAllowReorder(FALSE);
}

CXTTabWindow::~CXTTabWindow()
{
    m_pPaintManager->InternalRelease();
    m_pImageManager->InternalRelease();
    m_pToolTipContext->InternalRelease();
    m_pDropTarget.reset();
}

BOOL CXTTabWindow::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    if (!CWnd::Create(lpszClass, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    m_pDropTarget->Register(this);
    return TRUE;
}

CXTPTabManagerItem* CXTTabWindow::InsertItem(int nIndex, LPCTSTR lpszCaption, HWND hWndPage, int nImage)
{
    CXTPTabManagerItem* pItem = CXTPTabManager::InsertItem(nIndex, nullptr);
    pItem->SetCaption(lpszCaption);
    pItem->AttachPageWindow(hWndPage);
    pItem->SetImageIndex(nImage);
    Reposition();
    if (::IsWindow(hWndPage))
        ::ShowWindow(hWndPage, SW_HIDE);
    if (nIndex == 0)
        SetCurSel(0);
    return pItem;
}

void CXTTabWindow::ReplacePaintManager(CXTPTabPaintManager* pPaintManager)
{
    SetPaintManager(pPaintManager);
}

void CXTTabWindow::SetPaintManager(CXTPTabPaintManager* pPaintManager)
{
    if (pPaintManager == m_pPaintManager)
        return;
    m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
    m_pPaintManager->AddObserver(this);
    m_pPaintManager->ReloadMetrics();
    Reposition();
}

void CXTTabWindow::Reposition()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect rc;
    CWnd::GetClientRect(&rc);
    {
        CClientDC dc(this);
        m_pPaintManager->LayoutTabControl(this, &dc, rc);
    }
    if (::IsWindow(m_hWndShown)) {
        m_pPaintManager->ReduceToClientRect(this, rc);
        ::MoveWindow(m_hWndShown, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    }
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CXTTabWindow::RedrawControl()
{
    if (::IsWindow(m_hWnd))
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CXTTabWindow::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    HWND hWndPage = pItem != nullptr ? pItem->GetHandle() : nullptr;
    // A removed selected tab leaves no selection behind but its page still shows.
    if (pItem != CurrentSelection() || hWndPage != m_hWndShown) {
        if (::IsWindow(m_hWndShown))
            ::ShowWindow(m_hWndShown, SW_HIDE);
        m_hWndShown = hWndPage;
        if (::IsWindow(m_hWndShown))
            ::ShowWindow(m_hWndShown, SW_SHOW);
    }
    CXTPTabManager::SetSelectedItem(pItem);
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

void CXTTabWindow::SelectItem(CXTPTabManagerItem* pItem)
{
    SetSelectedItem(pItem);
    if (!::IsWindow(m_hWndShown))
        return;
    HWND hFocus = ::GetFocus();
    if (hFocus == m_hWnd || hFocus == m_hWndShown || (hFocus != nullptr && ::IsChild(m_hWndShown, hFocus)))
        return;
    HWND hFirst = ::GetNextDlgTabItem(m_hWndShown, nullptr, FALSE);
    ::SetFocus(hFirst != nullptr && ::IsChild(m_hWndShown, hFirst) ? hFirst : m_hWndShown);
}

void CXTTabWindow::OnKeyboardSelect(CXTPTabManagerItem* pItem)
{
    if (pItem == nullptr)
        return;
    SelectItem(pItem);
    if (ParentHidesFocusCues())
        ::SendMessageW(::GetParent(m_hWnd), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void CXTTabWindow::OnNavigateButtonClick(UINT nID)
{
    if (nID == xtpTabNavigateButtonClose && CurrentSelection() != nullptr)
        RemoveItemAt(CurrentSelection()->GetIndex());
}

BOOL CXTTabWindow::ParentHidesFocusCues() const
{
    HWND hParent = ::GetParent(m_hWnd);
    return hParent != nullptr && (::SendMessageW(hParent, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

BOOL CXTTabWindow::HasFocusCue() const
{
    return ::IsWindow(m_hWnd) && (GetStyle() & WS_TABSTOP) != 0 && ::GetFocus() == m_hWnd
           && !ParentHidesFocusCues();
}

BOOL CXTTabWindow::DrawIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    if (pItem == nullptr)
        return m_pPaintManager->m_bShowIcons;
    if (pItem->GetImageIndex() == -1 || !m_pPaintManager->m_bShowIcons)
        return FALSE;
    CXTPImageManagerIcon* pIcon = m_pImageManager->GetImage(static_cast<UINT>(pItem->GetImageIndex()), szIcon.cx);
    if (pIcon == nullptr)
        return FALSE;
    if (!bDraw)
        return TRUE;
    CXTPImageManagerIconHandle* pHandle;
    if (!pItem->IsEnabled())
        pHandle = &pIcon->GetDisabledIcon();
    else if (pItem == GetHighlighted())
        pHandle = &pIcon->GetHotIcon();
    else if (pItem == CurrentSelection())
        pHandle = &pIcon->GetCheckedIcon();
    else
        pHandle = &pIcon->GetIcon();
    pIcon->Draw(pDC, pt, *pHandle, szIcon.cx, szIcon.cy);
    return TRUE;
}

INT_PTR CXTTabWindow::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    return FillItemTipInfo(point, pTI);
}

void CXTTabWindow::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    Reposition();
}

LRESULT CXTTabWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_pToolTipContext->FilterToolTipMessage(this, message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

void CXTTabWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    CWnd::GetClientRect(&rc);
    CXTOffscreenDC memDC(&dc, rc);
    m_pPaintManager->PaintTabControl(this, &memDC, rc);
}

void CXTTabWindow::OnSize(UINT, int, int)
{
    Default();
    Reposition();
}

void CXTTabWindow::OnLButtonDown(UINT, CPoint point)
{
    if ((GetStyle() & WS_TABSTOP) != 0 && CurrentSelection() != nullptr && ItemFromPoint(point) == CurrentSelection())
        SetFocus();
    PerformClick(m_hWnd, point);
}

void CXTTabWindow::OnMouseMove(UINT, CPoint point)
{
    PerformMouseMove(m_hWnd, point);
    Default();
}

LRESULT CXTTabWindow::OnMouseLeave(WPARAM, LPARAM)
{
    PerformMouseMove(m_hWnd, CPoint(-1, -1));
    return 0;
}

void CXTTabWindow::OnKeyDown(UINT nChar, UINT, UINT)
{
    PerformKeyDown(m_hWnd, nChar);
    Default();
}

UINT CXTTabWindow::OnGetDlgCode()
{
    if (::GetFocus() == m_hWnd)
        return DLGC_WANTARROWS;
    return static_cast<UINT>(Default());
}

void CXTTabWindow::OnSetFocus(CWnd*)
{
    Default();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CXTTabWindow::OnKillFocus(CWnd*)
{
    Default();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CXTTabWindow::OnSysColorChange()
{
    Default();
    RefreshColorsIfStale();
    m_pPaintManager->ReloadMetrics();
    Reposition();
}
