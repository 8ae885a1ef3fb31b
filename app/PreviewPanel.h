#pragma once
#include "Framework.h"
#include "RichTextPreviewDialog.h"

// The lower pane of step 2's preview: a header of three texts and, below it,
// either a status message in large coloured type or the text of one entry.
// It belongs to the user-interface thread.
class PreviewPanel : public CEdit {
public:
    static constexpr int FieldCount = 6;
    static constexpr int HeaderHeight = 70;

    // Message modes.
    enum Message : int {
        EnumeratingFolders = 0,
        NoFolderFound = 1,
        NoItemInFolder = 2,
        SelectItem = 3,
        GeneratingPreview = 4,
        PreviewAborted = 5,
        FillingList = 6,
    };

    // The RTF text of a message mode; empty for a mode outside the list.
    static CString MessageRtf(int mode);

    void ShowMessage(int mode);
    // Shows one entry: its subject in the header, its text below.
    void ShowEntry(const CString& subject, const CString& text);

    // The six text fields; the header draws the first three.
    void SetField(int index, const CString& text);
    const CString& GetField(int index) const { return m_fields[index]; }
    void ClearFields();

    RichTextPreviewDialog& GetDialog() { return m_dialog; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()

private:
    void LayOut();

    CString m_fields[FieldCount];
    RichTextPreviewDialog m_dialog;
};
