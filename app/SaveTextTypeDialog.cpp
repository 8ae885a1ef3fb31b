#include "SaveTextTypeDialog.h"

#include "resource.h"

SaveTextTypeDialog::SaveTextTypeDialog(CWnd* pParent) : CDialog(IDD_SAVE_TEXT_TYPE, pParent) {}

BOOL SaveTextTypeDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_SAVE_AS_TEXT, BST_CHECKED);
    CheckDlgButton(IDC_SAVE_AS_RTF, BST_UNCHECKED);
    return TRUE;
}

void SaveTextTypeDialog::OnOK()
{
    m_nFormat = IsDlgButtonChecked(IDC_SAVE_AS_TEXT) == BST_CHECKED ? TextFormat : RtfFormat;
    CDialog::OnOK();
}

BOOL SaveTextTypeDialog::PreTranslateMessage(MSG* pMsg)
{
    // Only the OK button closes the question.
    if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return CDialog::PreTranslateMessage(pMsg);
}
