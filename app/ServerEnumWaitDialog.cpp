#include "ServerEnumWaitDialog.h"

#include "CXTOffscreenDC.h"
#include "ToolkitLookData.h"
#include "WaitDialogPaint.h"
#include "WizardMessages.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(ServerEnumWaitDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_WAIT_STOP, OnStop)
END_MESSAGE_MAP()

ServerEnumWaitDialog::ServerEnumWaitDialog() : CDialog(IDD_SERVER_ENUM_WAIT) {}

void ServerEnumWaitDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SERVER_ENUM_ANIMATION, m_animation);
}

BOOL ServerEnumWaitDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(1, 500, nullptr);
    return TRUE;
}

BOOL ServerEnumWaitDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return CDialog::PreTranslateMessage(pMsg);
}

void ServerEnumWaitDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == 1 && IsWindowVisible() && m_nKeepVisible == 0)
        ShowWindow(SW_HIDE);
    Default();
}

void ServerEnumWaitDialog::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTOffscreenDC memDC(&dc, rc);
    PaintFramedGradient(&memDC, rc);
    memDC.SetBkMode(TRANSPARENT);
    CFont* pOldFont = memDC.SelectObject(&ToolkitLookData().fontStatus);
    CRect text = rc;
    text.left += 20;
    text.top += 20;
    memDC.DrawText(CString(L"Please wait while enumerating servers, it will take several minutes"), &text,
                   DT_WORDBREAK | DT_NOPREFIX);
    memDC.SelectObject(pOldFont);
}

void ServerEnumWaitDialog::OnStop()
{
    m_animation.SendMessage(ACM_STOP, 0, 0);
    if (m_pMainFrame != nullptr && m_pMainFrame->GetSafeHwnd() != nullptr)
        m_pMainFrame->SendMessage(WM_CONFIRM_STOP, 0, 0);
    m_animation.ShowWindow(SW_SHOW);
    // The animation resource is optional: without it the control stays empty.
    if (m_animation.SendMessage(ACM_OPENW, 0, 207) != 0)
        m_animation.SendMessage(ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
}
