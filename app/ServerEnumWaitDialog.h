#pragma once
#include "Framework.h"

// Modeless wait dialog of the server listing; created hidden by the frame.
class ServerEnumWaitDialog : public CDialog {
public:
    ServerEnumWaitDialog();

    CWnd* m_pMainFrame = nullptr;   // borrowed; set by the frame
    int m_nKeepVisible = 0;
    CAnimateCtrl m_animation;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg void OnStop();
    DECLARE_MESSAGE_MAP()
};
