#include "PleaseWaitDialog.h"

#include "CXTOffscreenDC.h"
#include "WaitDialogPaint.h"
#include "WizardMessages.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(PleaseWaitDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_WAIT_STOP, OnStop)
END_MESSAGE_MAP()

PleaseWaitDialog::PleaseWaitDialog() : CDialog(IDD_PLEASE_WAIT) {}

void PleaseWaitDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WAIT_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_WAIT_STATUS, m_status);
}

BOOL PleaseWaitDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SetWindowText(L"");
    SetTimer(1, 500, nullptr);
    return TRUE;
}

BOOL PleaseWaitDialog::PreTranslateMessage(MSG* pMsg)
{
    // Enter and Escape must not close a dialog whose work goes on.
    if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return CDialog::PreTranslateMessage(pMsg);
}

void PleaseWaitDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == 1 && IsWindowVisible() && m_nBusy == 0)
        ShowWindow(SW_HIDE);
    Default();
}

void PleaseWaitDialog::OnShowWindow(BOOL bShow, UINT nStatus)
{
    Default();
    if (m_status.GetSafeHwnd() != nullptr) {
        m_status.SetWindowText(L"Please wait...");
        m_status.Invalidate();
    }
}

void PleaseWaitDialog::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTOffscreenDC memDC(&dc, rc);
    PaintFramedGradient(&memDC, rc);
}

void PleaseWaitDialog::OnStop()
{
    if (m_pMainFrame != nullptr && m_pMainFrame->GetSafeHwnd() != nullptr)
        m_pMainFrame->SendMessage(WM_STOP_CURRENT, 0, 0);
}
