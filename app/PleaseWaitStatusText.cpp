#include "PleaseWaitStatusText.h"

#include "CXTOffscreenDC.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(PleaseWaitStatusText, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void PleaseWaitStatusText::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTOffscreenDC memDC(&dc, rc);
    memDC.FillSolidRect(&rc, 0xEFFEFF);
    memDC.SetBkMode(TRANSPARENT);
    CFont* pOldFont = memDC.SelectObject(&ToolkitLookData().fontStatus);
    CString text;
    GetWindowText(text);
    memDC.DrawText(text, &rc, DT_WORDBREAK | DT_NOPREFIX);
    memDC.SelectObject(pOldFont);
}
