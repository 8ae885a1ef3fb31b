#pragma once
#include "Framework.h"
#include "IWaitDialog.h"
#include "PleaseWaitStatusText.h"
#include "ProgressBar.h"

// Modeless progress dialog shown while a worker scans or previews. It hides
// itself within half a second once the frame clears its busy flag.
class PleaseWaitDialog : public CDialog, public IWaitDialog {
public:
    PleaseWaitDialog();
    void SetText(const CString& text) { m_strText = text; }
    const CString& GetText() const { return m_strText; }

    HWND GetDialogWindow() const override { return m_hWnd; }
    HWND GetProgressBarWindow() const override { return m_progress.GetSafeHwnd(); }
    HWND GetStatusTextWindow() const override { return m_status.GetSafeHwnd(); }

    CWnd* m_pMainFrame = nullptr;   // borrowed; set by the frame
    int m_nBusy = 0;
    ProgressBar m_progress;
    PleaseWaitStatusText m_status;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnPaint();
    afx_msg void OnStop();
    DECLARE_MESSAGE_MAP()

private:
    CString m_strText;
};
