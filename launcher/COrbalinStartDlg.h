#pragma once
#include "Framework.h"

// The launcher's main dialog. It never shows: its initialisation finds the
// Notes client, puts it on PATH, starts Orbalin.exe and ends the process.
class COrbalinStartDlg : public CDialog {
public:
    explicit COrbalinStartDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static CString MainProgramPath();
    static void StartMainProgram(const CString& strProgram);

    HICON m_hIcon = nullptr;
};
