// Painting of a command bar: the paint manager's background and gripper, the
// controls with their group separators, and the customize marks.
#include "CXTPCommandBar.h"

#include "CXTMemDC.h"
#include "CXTObjectSelector.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPPaintManager.h"

void CXTPCommandBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    // No background: DrawCommandBar fills every pixel of the client area.
    CXTMemDC memDC(&dc, rcClient);
    DrawCommandBar(&memDC);
}

LRESULT CXTPCommandBar::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (pDC)
        DrawCommandBar(pDC);
    return TRUE;
}

BOOL CXTPCommandBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPCommandBar::DrawCommandBar(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->FillCommandBar(pDC, this);
    if (m_dwStyle & CBRS_GRIPPER)
        pPaintManager->DrawCommandBarGripper(pDC, this, TRUE);
    const BOOL bCustomize = IsCustomizeMode();
    CXTPControl* pCustomizeSelected = bCustomize ? GetCustomizeSelected() : nullptr;
    BOOL bFirst = TRUE;
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetParent() != this || !pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CXTObjectSelector font(pDC, pPaintManager->GetCommandBarFont(this, pControl->GetDefaultItem()));
        pControl->Draw(pDC);
        if (pControl == pCustomizeSelected) {
            // The customize selection's frame: two nested 1-px rectangles.
            CRect rc = pControl->GetRect();
            pDC->Draw3dRect(rc, 0, 0);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(rc, 0, 0);
        }
    }
    if (bCustomize && !m_rcMarker.IsRectEmpty())
        DrawDropMarker(pDC);
}
