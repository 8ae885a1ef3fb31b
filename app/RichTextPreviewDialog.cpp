#include "RichTextPreviewDialog.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(RichTextPreviewDialog, CDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL RichTextPreviewDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_textEdit.SubclassDlgItem(IDC_PREVIEW_TEXT, this);
    m_focusSink.SubclassDlgItem(IDC_PREVIEW_FOCUS_SINK, this);
    if (m_richText.SubclassDlgItem(IDC_PREVIEW_RICH_TEXT, this))
        m_richText.SetFocusSink(m_focusSink.GetSafeHwnd());
    CRect rc;
    GetClientRect(&rc);
    LayOut(rc.Width(), rc.Height());
    return TRUE;
}

void RichTextPreviewDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    LayOut(cx, cy);
}

void RichTextPreviewDialog::LayOut(int cx, int cy)
{
    if (m_richText.GetSafeHwnd() != nullptr) {
        m_richText.MoveWindow(0, 0, cx, cy);
        m_focusSink.MoveWindow(0, 0, 0, 0);
    }
    if (m_textEdit.GetSafeHwnd() != nullptr)
        m_textEdit.MoveWindow(0, 0, cx, cy);
}

void RichTextPreviewDialog::ShowRtf(const CString& rtf)
{
    if (m_richText.GetSafeHwnd() == nullptr)
        return;
    m_richText.ShowWindow(SW_SHOW);
    if (m_textEdit.GetSafeHwnd() != nullptr)
        m_textEdit.ShowWindow(SW_HIDE);
    m_richText.SetTextRTF(rtf);
}

void RichTextPreviewDialog::ShowPlainText(const CString& text)
{
    if (m_textEdit.GetSafeHwnd() == nullptr)
        return;
    m_textEdit.SetWindowText(text);
    m_textEdit.ShowWindow(SW_SHOW);
    if (m_richText.GetSafeHwnd() != nullptr)
        m_richText.ShowWindow(SW_HIDE);
}
