#include "CXTPDockBar.h"

#include <algorithm>
#include <vector>

#include "CXTPBarDragContext.h"
#include "CXTPCommandBars.h"
#include "CXTPToolBar.h"

IMPLEMENT_DYNAMIC(CXTPDockBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINT, OnPrint)
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CXTPDockBar::CXTPDockBar(CXTPCommandBars* pCommandBars) : m_pCommandBars(pCommandBars)
{
    m_arrBars.Add(nullptr);
}

CXTPDockBar::~CXTPDockBar() = default;

BOOL CXTPDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
    return CWnd::Create(lpszClass, nullptr, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CXTPDockBar::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPSIBLINGS;
    return CWnd::PreCreateWindow(cs);
}

int CXTPDockBar::GetPosition() const
{
    if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM))
        return xtpBarTop;
    if (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        return xtpBarBottom;
    if (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT))
        return xtpBarLeft;
    return xtpBarRight;
}

int CXTPDockBar::FindBar(CXTPCommandBar* pBar, int nIndexExclude) const
{
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        if (i != nIndexExclude && m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

void CXTPDockBar::DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect)
{
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    if (FindBar(pBar) != -1 && (lpRect == nullptr || CRect(*lpRect) == rcBar))
        return;

    int nIndexKeep;
    CXTPBarDragContext* pContext = pBar->GetDragContext();
    if (lpRect != nullptr) {
        CRect rc(*lpRect);
        ScreenToClient(&rc);
        nIndexKeep = Insert(pBar, rc, rc.CenterPoint());
        if (pContext != nullptr)
            pContext->SetLastDockRect(rc);
    } else {
        m_arrBars.Add(pBar);
        nIndexKeep = static_cast<int>(m_arrBars.Add(nullptr)) - 1;
        if (pContext != nullptr)
            pContext->SetLastDockRect(CRect(0, 0, 0, 0));
    }

    if (pBar->GetParent() != this)
        pBar->SetParent(this);

    CXTPDockBar* pDockBarOld = pBar->GetDockBar();
    if (pDockBarOld == this)
        RemoveCommandBar(pBar, nIndexKeep);
    else if (pDockBarOld != nullptr)
        pDockBarOld->RemoveCommandBar(pBar);

    pBar->SetDockBar(this);
    AdjustStretchBars();
    m_pCommandBars->RecalcFrameLayout(TRUE);
}

int CXTPDockBar::Insert(CXTPCommandBar* pBar, CRect /*rcBar*/, CPoint pt)
{
    const BOOL bHorz = IsHorizontal();
    const int nPos = bHorz ? pt.y : pt.x;
    int nRowStart = 0;      // the null that opens the row being walked
    int nFar = 0;           // far edge of that row
    int nPrevFar = 0;       // far edge of the row before it

    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        CXTPCommandBar* pBarRow = m_arrBars[i];
        if (pBarRow != nullptr) {
            if (pBarRow->IsVisible()) {
                CRect rc;
                pBarRow->GetWindowRect(&rc);
                ScreenToClient(&rc);
                nFar = std::max<int>(nFar, bHorz ? rc.bottom : rc.right);
            }
            continue;
        }
        if (nPos < nFar) {
            if (i == 0) {
                m_arrBars.InsertAt(0, pBar);
                m_arrBars.InsertAt(0, static_cast<CXTPCommandBar*>(nullptr));
                return 1;
            }
            m_arrBars.InsertAt(nRowStart + 1, pBar);
            if (nPos == nPrevFar)
                m_arrBars.InsertAt(nRowStart + 2, static_cast<CXTPCommandBar*>(nullptr));
            return nRowStart + 1;
        }
        // A row of hidden bars takes no room: the next one starts where this ended.
        nPrevFar = nFar;
        nRowStart = i;
    }
    m_arrBars.Add(pBar);
    return static_cast<int>(m_arrBars.Add(nullptr)) - 1;
}

int CXTPDockBar::RemoveCommandBar(CXTPCommandBar* pBar, int nIndexKeep)
{
    int nIndex = FindBar(pBar, nIndexKeep);
    if (nIndex == -1)
        return 0;
    m_arrBars.RemoveAt(nIndex);
    // The list begins with a null and ends with one, so both neighbours exist.
    if (nIndex < m_arrBars.GetSize() && m_arrBars[nIndex - 1] == nullptr && m_arrBars[nIndex] == nullptr)
        m_arrBars.RemoveAt(nIndex);
    if (auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pBar); pToolBar != nullptr && pToolBar->GetDockBar() == this)
        pToolBar->SetDockBar(nullptr);
    m_pCommandBars->RecalcFrameLayout(TRUE);
    return 0;
}

void CXTPDockBar::GetRowBars(int nIndex, CXTPCommandBarArray& arrBars) const
{
    int nStart = std::min<int>(nIndex, static_cast<int>(m_arrBars.GetSize()) - 1);
    while (nStart > 0 && m_arrBars[nStart] != nullptr)
        nStart--;
    const BOOL bVert = (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT)) != 0;
    std::vector<std::pair<int, CXTPCommandBar*>> row;
    for (int i = nStart + 1; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; i++) {
        CXTPCommandBar* pBar = m_arrBars[i];
        if (!pBar->IsVisible())
            continue;
        CRect rc;
        pBar->GetWindowRect(&rc);
        row.emplace_back(bVert ? rc.top : rc.left, pBar);
    }
    std::stable_sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : row)
        arrBars.Add(entry.second);
}

void CXTPDockBar::AdjustStretchBars()
{
    for (int i = 1; i < m_arrBars.GetSize(); i++) {
        CXTPCommandBar* pBar = m_arrBars[i];
        if (pBar == nullptr || (pBar->GetFlags() & xtpFlagStretched) == 0)
            continue;
        if (m_arrBars[i - 1] != nullptr)
            m_arrBars.InsertAt(i++, static_cast<CXTPCommandBar*>(nullptr));
        if (i + 1 < m_arrBars.GetSize() && m_arrBars[i + 1] != nullptr)
            m_arrBars.InsertAt(i + 1, static_cast<CXTPCommandBar*>(nullptr));
    }
}
