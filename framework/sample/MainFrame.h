#pragma once
#include "Framework.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
