#include "SampleView.h"

#include "SampleDoc.h"

IMPLEMENT_DYNCREATE(CSampleView, CView)

CSampleDoc* CSampleView::GetDocument() const
{
    return static_cast<CSampleDoc*>(m_pDocument);
}

void CSampleView::OnDraw(CDC* pDC)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->TextOut(20, 20, CString(L"Orbalin framework sample"));
    CBrush brush(RGB(0, 102, 204));
    pDC->FillRect(CRect(20, 60, 220, 140), &brush);
}
