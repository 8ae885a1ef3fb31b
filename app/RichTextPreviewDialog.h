#pragma once
#include "CRichText.h"
#include "Framework.h"
#include "resource.h"

// The borderless child dialog of the preview panel: a rich text that shows the
// panel's status messages, and a read-only edit that shows the text of an entry.
class RichTextPreviewDialog : public CDialog {
public:
    static constexpr UINT IDD = IDD_RICH_TEXT_PREVIEW;

    RichTextPreviewDialog() : CDialog(IDD) {}

    BOOL Create(CWnd* pParent) { return CDialog::Create(IDD, pParent); }
    // The rich text shows the RTF message; the edit is hidden.
    void ShowRtf(const CString& rtf);
    // The edit shows the plain text; the rich text is hidden.
    void ShowPlainText(const CString& text);

    CRichText& GetRichText() { return m_richText; }
    CEdit& GetTextEdit() { return m_textEdit; }

protected:
    BOOL OnInitDialog() override;
    // Escape and Enter must not end a dialog that lives inside the panel.
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void LayOut(int cx, int cy);

    CEdit m_textEdit;
    CButton m_focusSink;
    CRichText m_richText;
};
