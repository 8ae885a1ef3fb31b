#include "CTesselEmlConverterGuiApp.h"

#include "AboutDialog.h"
#include "CMainFrame.h"
#include "CTesselEmlConverterGuiDoc.h"
#include "CTesselEmlConverterGuiView.h"
#include "CUiThreadCall.h"
#include "resource.h"

namespace {

// Created before the main entry so that a second start sees the name in use
// even while the first one is still starting.
HANDLE g_hInstanceMutex = nullptr;
DWORD g_dwInstanceMutexError = 0;

struct InstanceMutex {
    InstanceMutex()
    {
        g_hInstanceMutex = ::CreateMutexW(nullptr, FALSE, L"Global\\{991267F0-DCC6-49b5-9000-DE93335C3187}");
        g_dwInstanceMutexError = ::GetLastError();
    }
    ~InstanceMutex()
    {
        if (g_hInstanceMutex != nullptr)
            ::CloseHandle(g_hInstanceMutex);
        g_hInstanceMutex = nullptr;
    }
} g_instanceMutex;

}  // namespace

BEGIN_MESSAGE_MAP(CTesselEmlConverterGuiApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
END_MESSAGE_MAP()

CTesselEmlConverterGuiApp theApp;

bool CTesselEmlConverterGuiApp::IsAnotherInstanceRunning(DWORD dwMutexError)
{
    return dwMutexError == ERROR_ALREADY_EXISTS || dwMutexError == ERROR_ACCESS_DENIED;
}

BOOL CTesselEmlConverterGuiApp::InitInstance()
{
    AfxEnableControlContainer();
    AfxSocketInit();
    Enable3dControlsStatic();
    if (IsAnotherInstanceRunning(g_dwInstanceMutexError)) {
        ::MessageBoxW(nullptr, L"Another instance of Orbalin is running", m_pszAppName, MB_OK);
        return FALSE;
    }
    AfxInitRichEdit();
    // The wizard's workers reach their windows through it; before any view exists.
    CUiThreadCall::Initialize();
    SetRegistryKey(L"Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTesselEmlConverterGuiDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CTesselEmlConverterGuiView)));
    // The frame is created maximised; showing it "normal" first would restore it.
    m_nCmdShow = SW_SHOWMAXIMIZED;
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CTesselEmlConverterGuiApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    // The frame that refused to start has said why; the framework's note that no
    // document could be made would only follow it with a wrong reason.
    if (CMainFrame::IsStartRefused())
        return IDOK;
    return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
}

void CTesselEmlConverterGuiApp::OnAppAbout()
{
    AboutDialog aboutDlg;
    aboutDlg.DoModal();
}
