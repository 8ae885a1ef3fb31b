#include "CXTPReBar.h"

#include "CXTOffscreenDC.h"
#include "CXTPColorManager.h"
#include "CXTPDockBar.h"
#include "CXTPToolBar.h"

IMPLEMENT_DYNAMIC(CXTPReBar, CReBar)

BEGIN_MESSAGE_MAP(CXTPReBar, CReBar)
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT(RBN_CHILDSIZE, OnChildSize)
END_MESSAGE_MAP()

BOOL CXTPReBar::AddCommandBar(CXTPToolBar* pBar, DWORD dwStyle)
{
    CSize size = pBar->CalcDynamicLayout(32000, LM_COMMIT | LM_HORZDOCK | LM_HORZ, 0);
    pBar->MoveWindow(0, 0, size.cx, size.cy, TRUE);
    if (CXTPDockBar* pDockBar = pBar->GetDockBar())
        pDockBar->RemoveCommandBar(pBar);
    pBar->SetFlags(0);
    pBar->SetBarStyle(pBar->GetBarStyle() & ~CBRS_GRIPPER);
    if (!AddBar(pBar, nullptr, nullptr, dwStyle))
        return FALSE;
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_ID;
    info.wID = static_cast<UINT>(pBar->GetBarID());
    SendMessage(RB_SETBANDINFOW, GetBandCount() - 1, reinterpret_cast<LPARAM>(&info));
    return TRUE;
}

int CXTPReBar::DeleteCommandBar(CXTPCommandBar* pBar)
{
    int nBand = FindBand(pBar);
    if (nBand == -1)
        return -1;
    return static_cast<int>(SendMessage(RB_DELETEBAND, static_cast<WPARAM>(nBand)));
}

CXTPCommandBar* CXTPReBar::GetCommandBar(int nBand) const
{
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_SIZE;
    if (!SendMessage(RB_GETBANDINFOW, static_cast<WPARAM>(nBand), reinterpret_cast<LPARAM>(&info)))
        return nullptr;
    return DYNAMIC_DOWNCAST(CXTPCommandBar, CWnd::FromHandlePermanent(info.hwndChild));
}

int CXTPReBar::FindBand(CXTPCommandBar* pBar) const
{
    for (int nBand = static_cast<int>(GetBandCount()) - 1; nBand >= 0; nBand--) {
        if (GetCommandBar(nBand) == pBar)
            return nBand;
    }
    return -1;
}

void CXTPReBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTOffscreenDC memDC(&dc, rc);
    memDC.FillSolidRect(&rc, GetColorManager()->GetColor(COLOR_BTNFACE));
    DefWindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CXTPReBar::OnChildSize(NMHDR*, LRESULT* pResult)
{
    OnHeightChange();
    *pResult = 0;
}
