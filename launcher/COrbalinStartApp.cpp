#include "COrbalinStartApp.h"

#include "COrbalinStartDlg.h"

COrbalinStartApp theApp;

BOOL COrbalinStartApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    COrbalinStartDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    dlg.DestroyWindow();
    m_pMainWnd = nullptr;
    return FALSE;
}
