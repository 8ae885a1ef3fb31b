#include "ProgressBar.h"

#include "CXTGradientFiller.h"
#include "CXTMemDC.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(ProgressBar, CProgressCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(PBM_SETPOS, OnSetPos)
END_MESSAGE_MAP()

LRESULT ProgressBar::OnSetPos(WPARAM, LPARAM)
{
    // The common control would repaint before returning, and the sender waits for that.
    SetRedraw(FALSE);
    const LRESULT previous = Default();
    SetRedraw(TRUE);
    Invalidate(FALSE);
    return previous;
}

int ProgressBar::Percent(int pos, int upper)
{
    return upper >= 1 ? static_cast<int>(static_cast<long long>(pos) * 100 / upper) : 0;
}

int ProgressBar::BarWidth(int innerRight, int percent)
{
    if (percent < 1 || innerRight < 1)
        return 0;
    return static_cast<int>(innerRight * percent * 0.01);
}

void ProgressBar::OnPaint()
{
    CPaintDC dc(this);
    int lower = 0, upper = 0;
    GetRange(lower, upper);
    const int percent = Percent(GetPos(), upper);
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC memDC(&dc, rc);
    memDC.SelectStockObject(BLACK_PEN);
    memDC.SelectStockObject(WHITE_BRUSH);
    memDC.Rectangle(&rc);
    CRect inner(1, 1, rc.right - 1, rc.bottom - 1);
    memDC.FillSolidRect(&inner, 0xFFFFFF);
    const int width = BarWidth(inner.right, percent);
    if (width > 0)
        CXTGradientFiller::Instance().FillGradient(&memDC, CRect(1, inner.top, width, inner.bottom), 0xFFFFFF,
                                                   0x00FF00, TRUE);
    memDC.SetBkMode(TRANSPARENT);
    memDC.SetTextColor(0);
    CFont* pOldFont = memDC.SelectObject(&ToolkitLookData().fontNormal);
    CString caption;
    GetWindowText(caption);
    CString text;
    text.Format(L"%d", percent);
    text += L"% ";
    text += caption;
    memDC.DrawText(text, &rc, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    memDC.SelectObject(pOldFont);
}
