// A dock bar printed into a DC: its background, and its bars at their places.
#include <gtest/gtest.h>

#include "CXTPPaintManager.h"
#include "DockTestFrame.h"

TEST(DockPrint, FillsItselfAndPrintsVisibleBarsAtTheirPlaces)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    SizedBar* pB = pFrame->AddBar(L"B", xtpBarTop);
    SizedBar* pHidden = pFrame->AddBar(L"H", xtpBarTop);
    pFrame->DropAt(pB, xtpBarTop, 200, 13);
    pHidden->SetVisible(FALSE);
    pFrame->RecalcLayout();
    CXTPDockBar* pDockBar = pFrame->Dock(xtpBarTop);
    CRect rcDock;
    pDockBar->GetClientRect(&rcDock);
    ASSERT_EQ(CSize(500, 26), rcDock.Size());

    CClientDC screen(pDockBar);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, rcDock.Width(), rcDock.Height());
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(&rcDock, RGB(1, 2, 3));

    EXPECT_EQ(1, pDockBar->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT | PRF_CHILDREN));
    EXPECT_EQ(CPoint(0, 0), pA->m_ptPrintOrigin);
    EXPECT_EQ(CPoint(200, 0), pB->m_ptPrintOrigin);
    EXPECT_EQ(CPoint(-1, -1), pHidden->m_ptPrintOrigin);
    // Between the bars lies the dock bar's own background.
    COLORREF clrDock = pDockBar->GetCommandBars()->GetPaintManager()->GetColor(COLOR_BTNFACE);
    EXPECT_EQ(clrDock, dc.GetPixel(150, 13));
    POINT ptOrigin;
    ::GetViewportOrgEx(dc.GetSafeHdc(), &ptOrigin);
    EXPECT_EQ(CPoint(0, 0), CPoint(ptOrigin));

    dc.SelectObject(pOld);
    EXPECT_EQ(1, pDockBar->SendMessage(WM_PRINT, 0, PRF_CLIENT | PRF_CHILDREN));
}
