#pragma once
#include "Framework.h"

class CSampleApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    afx_msg void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};
