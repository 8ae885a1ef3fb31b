#include "AboutDialog.h"

#include "CXTGradientFiller.h"
#include "CXTOffscreenDC.h"
#include "ProductInfo.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(AboutDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

AboutDialog::AboutDialog() : CDialog(IDD_ABOUTBOX), m_hWhiteBrush(::CreateSolidBrush(0xFFFFFF)) {}

AboutDialog::~AboutDialog()
{
    ::DeleteObject(m_hWhiteBrush);
}

void AboutDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_LINK, m_link);
}

BOOL AboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SetLinkTarget(kProductHomePage);
    m_link.SetBackgroundColor(0xFFFFFF);
    SetWindowText(L"About Orbalin");
    SetDlgItemText(IDC_ABOUT_LINK, CString(L"Orbalin ver 8.06.01 ") + L"\r\nCalendar conversion from Lotus Notes"
                                       + L"\r\n" + kProductHomePage);
    return TRUE;
}

void AboutDialog::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTOffscreenDC memDC(&dc, rc);
    CXTGradientFiller::Instance().FillGradient(&memDC, rc, 0x00FFFF, 0x00FFFF, TRUE);
    rc.DeflateRect(1, 1);
    CXTGradientFiller::Instance().FillGradient(&memDC, rc, 0xFFFFFF, 0xFFFFFF, TRUE);
}

HBRUSH AboutDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if ((nCtlColor == CTLCOLOR_MSGBOX || nCtlColor == CTLCOLOR_STATIC) && pWnd->GetDlgCtrlID() == 100) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetBkColor(0xFFFFFF);
        return m_hWhiteBrush;
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
