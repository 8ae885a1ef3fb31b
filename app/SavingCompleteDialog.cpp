#include "SavingCompleteDialog.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(SavingCompleteDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

SavingCompleteDialog::SavingCompleteDialog(CWnd* pParent)
    : CDialog(IDD_SAVING_COMPLETE, pParent), m_hWhiteBrush(::CreateSolidBrush(0xFFFFFF))
{
}

SavingCompleteDialog::~SavingCompleteDialog()
{
    ::DeleteObject(m_hWhiteBrush);
}

BOOL SavingCompleteDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(L"Orbalin");
    return TRUE;
}

void SavingCompleteDialog::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, 0xFFFFFF);
}

HBRUSH SavingCompleteDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if ((nCtlColor == CTLCOLOR_MSGBOX || nCtlColor == CTLCOLOR_STATIC) && pWnd->GetDlgCtrlID() == IDC_SAVING_COMPLETE_TEXT) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetBkColor(0xFFFFFF);
        return m_hWhiteBrush;
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
