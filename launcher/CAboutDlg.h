#pragma once
#include "Framework.h"

// The About box offered on the system menu of the launcher's dialog.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
