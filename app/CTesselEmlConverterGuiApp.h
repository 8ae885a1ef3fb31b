#pragma once
#include "Framework.h"

class CTesselEmlConverterGuiApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    // True when the start-up mutex says another copy runs: the name was in use,
    // or exists but may not be opened by this user.
    static bool IsAnotherInstanceRunning(DWORD dwMutexError);

protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()
};
