#pragma once
#include "Framework.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
