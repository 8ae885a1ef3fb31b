#include "CMainFrame.h"

#include "BannerDialog.h"
#include "CXTPCommandBars.h"
#include "CXTPPaintManager.h"
#include "CXTPToolBar.h"
#include "PleaseWaitDialog.h"
#include "ProductInfo.h"
#include "ServerEnumWaitDialog.h"
#include "WizardMessages.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, CXTPFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CXTPFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_COMMAND(ID_ADD_FILES, OnAddFiles)
    ON_COMMAND(ID_ADD_DOMINO_FILES, OnAddDominoFiles)
    ON_COMMAND(ID_EXPORT, OnExport)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateFileOpen)
    ON_MESSAGE(WM_STOP_CURRENT, OnStopCurrent)
    ON_MESSAGE(WM_CONFIRM_STOP, OnConfirmStop)
    ON_COMMAND(ID_HELP_FILE, OnHelpFile)
    ON_COMMAND(ID_HELP, OnHelpFile)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFile)
    ON_MESSAGE(WM_HELP, OnHelpMessage)
    ON_COMMAND(ID_HOME_PAGE, OnHomePage)
    ON_COMMAND(ID_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

CString CMainFrame::s_strProgramDirectory;
CMainFrame* CMainFrame::s_pFrame = nullptr;

namespace {
const wchar_t kBarsSection[] = L"CommandBars";
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    for (CDialog* pDialog : {static_cast<CDialog*>(m_pPleaseWaitDialog), static_cast<CDialog*>(m_pServerEnumWaitDialog)})
        if (pDialog != nullptr && pDialog->GetSafeHwnd() != nullptr)
            pDialog->DestroyWindow();
    delete m_pPleaseWaitDialog;
    delete m_pServerEnumWaitDialog;
    delete m_pBannerDialog;
    m_notesReader.Close();
    if (s_pFrame == this)
        s_pFrame = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CXTPFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE;
    cs.lpszName = kProductCaption;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    // Worker threads and the template extraction rely on these, so they are set
    // before any step that may end the creation early.
    wchar_t directory[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryW(MAX_PATH, directory);
    s_strProgramDirectory = directory;
    if (s_strProgramDirectory.IsEmpty() || s_strProgramDirectory.Right(1) != L"\\")
        s_strProgramDirectory += L"\\";
    s_pFrame = this;
    m_hModule = ::GetModuleHandleW(nullptr);
    SetWindowText(kProductCaption);

    m_pBannerDialog = new BannerDialog;
    if (m_pBannerDialog->Create(IDD_BANNER, this))
        m_pBannerDialog->ShowWindow(SW_SHOW);

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | SBARS_SIZEGRIP, AFX_IDW_STATUS_BAR)
        || !m_wndStatusBar.SetIndicators(kIndicators, 4))
        return -1;
    if (!CreateCommandBars())
        return -1;

    if (!m_notesReader.Init()) {
        AfxMessageBox(L"Unable to locate Lotus notes, please install lotusnotes on this computer", MB_OK);
        // The program ends: the frame closes without the close question.
        m_bCloseWithoutQuestion = true;
        PostMessage(WM_CLOSE, 0, 0);
        return 0;
    }

    m_pPleaseWaitDialog = new PleaseWaitDialog;
    if (m_pPleaseWaitDialog->Create(IDD_PLEASE_WAIT, this))
        m_pPleaseWaitDialog->m_pMainFrame = this;
    m_pServerEnumWaitDialog = new ServerEnumWaitDialog;
    if (m_pServerEnumWaitDialog->Create(IDD_SERVER_ENUM_WAIT, this))
        m_pServerEnumWaitDialog->m_pMainFrame = this;

    if (m_folderImages.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1)) {
        for (UINT id : {139u, 138u, 140u, 141u, 142u, 143u, 144u, 145u, 148u, 149u, 147u})
            m_folderImages.Add(AfxGetApp()->LoadIcon(id));
        if (m_folderBitmap.LoadBitmap(IDB_FOLDER_IMAGES))
            m_folderImages.Add(&m_folderBitmap, RGB(255, 0, 255));
    }
    return 0;
}

bool CMainFrame::CreateCommandBars()
{
    if (CXTPPaintManager::GetGlobal() == nullptr)
        CXTPPaintManager::SetTheme(0);
    m_pCommandBars = static_cast<CXTPCommandBars*>(RUNTIME_CLASS(CXTPCommandBars)->CreateObject());
    if (m_pCommandBars == nullptr)
        return false;
    m_pCommandBars->AttachFrame(this);
    m_pCommandBars->EnableDocking();
    if (m_pCommandBars->SetMenu(L"Menu Bar", IDR_MAINFRAME) == nullptr)
        return false;
    CXTPToolBar* pToolBar = m_pCommandBars->AddToolBar(L"Standard");
    if (pToolBar == nullptr || !pToolBar->LoadToolBar(IDR_TOOLBAR_STANDARD))
        return false;
    const std::pair<UINT, UINT> icons[] = {
        {217, ID_ADD_FILES}, {220, ID_ADD_DOMINO_FILES}, {218, ID_EXPORT}, {219, ID_HELP_FILE}, {216, ID_HOME_PAGE}};
    for (auto [icon, command] : icons)
        m_pCommandBars->SetIcon(command, AfxGetApp()->LoadIcon(icon));
    pToolBar->SetBarFlags(1);
    CXTPPaintManager::SetTheme(3);
    const UINT hidden[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW};
    m_pCommandBars->HideCommands(hidden, 2);
    m_pCommandBars->m_nOptionsValue = 0;
    m_pCommandBars->LoadOptions(kBarsSection);
    m_pCommandBars->LoadBarState(kBarsSection, FALSE);
    m_pCommandBars->LoadShortcuts(kBarsSection);
    return true;
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (m_pBannerDialog != nullptr && m_pBannerDialog->GetSafeHwnd() != nullptr)
        m_pBannerDialog->MoveWindow(cx - 180, 25, 180, 51);
}

void CMainFrame::OnClose()
{
    if (m_bCloseWithoutQuestion) {
        CFrameWnd::OnClose();
        return;
    }
    if (m_pPleaseWaitDialog != nullptr && m_pPleaseWaitDialog->GetSafeHwnd() != nullptr
        && m_pPleaseWaitDialog->IsWindowVisible())
        return;
    if (AfxMessageBox(L"Are you sure , You want to close the software?", MB_YESNO) != IDYES)
        return;
    if (m_pCommandBars != nullptr) {
        m_pCommandBars->SaveOptions(kBarsSection);
        m_pCommandBars->SaveBarState(kBarsSection, TRUE);
        m_pCommandBars->SaveShortcuts(kBarsSection);
    }
    OnHomePage();
    CFrameWnd::OnClose();
}

BOOL CMainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!CXTPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    if (m_pCommandBars != nullptr && m_pCommandBars->HasOwnAccelerators())
        m_hAccelTable = nullptr;
    return TRUE;
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    if (CFrameWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return m_pCommandBars != nullptr && m_pCommandBars->PreTranslateFrameMessage(pMsg);
}

BOOL CMainFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pCommandBars != nullptr && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return CXTPFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CMainFrame::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (m_pCommandBars != nullptr)
        m_pCommandBars->OnSetPreviewMode(bPreview);
    CXTPFrameWnd::OnSetPreviewMode(bPreview, pState);
}

void CMainFrame::SendToMainView(UINT message)
{
    if (m_pMainView != nullptr && m_pMainView->GetSafeHwnd() != nullptr)
        m_pMainView->SendMessage(message, 0, 0);
}

void CMainFrame::OnAddFiles() { SendToMainView(WM_ADD_FILES); }
void CMainFrame::OnAddDominoFiles() { SendToMainView(WM_ADD_DOMINO_FILES); }
void CMainFrame::OnExport() { SendToMainView(WM_EXPORT); }
void CMainFrame::OnFileOpen() { SendToMainView(WM_ADD_FILE); }

void CMainFrame::OnUpdateFileOpen(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bAddFileEnabled != 0);
}

LRESULT CMainFrame::OnStopCurrent(WPARAM, LPARAM)
{
    SendToMainView(WM_STOP_CURRENT);
    return 1;
}

LRESULT CMainFrame::OnConfirmStop(WPARAM, LPARAM)
{
    SendToMainView(WM_CONFIRM_STOP);
    return 1;
}

void CMainFrame::OpenHelpFile()
{
    CString path = s_strProgramDirectory + kHelpFileName;
    if (::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) {
        AfxMessageBox(L"Orbalin.chm file not exist, please reinstall software ", MB_OK);
        return;
    }
    ::ShellExecuteW(m_hWnd, L"open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::OnHelpFile() { OpenHelpFile(); }

LRESULT CMainFrame::OnHelpMessage(WPARAM, LPARAM)
{
    OpenHelpFile();
    return 0;
}

void CMainFrame::OnHomePage()
{
    ::ShellExecuteW(m_hWnd, L"open", kProductHomePage, nullptr, nullptr, SW_SHOW);
}

// The plain command bars have no customize sheet.
void CMainFrame::OnCustomize() {}

void CMainFrame::GoToStep(int nStep)
{
    if (m_pMainView != nullptr)
        m_pMainView->SendMessage(WM_SELECT_STEP, static_cast<WPARAM>(nStep + 1), 0);
}

void CMainFrame::GoToPreviousStep(int nStep)
{
    if (m_pMainView != nullptr)
        m_pMainView->SendMessage(WM_SELECT_STEP, static_cast<WPARAM>(nStep - 1), 0);
}

void CMainFrame::ShowPleaseWait(const CString& text)
{
    if (m_pPleaseWaitDialog == nullptr || m_pPleaseWaitDialog->GetSafeHwnd() == nullptr)
        return;
    m_pPleaseWaitDialog->m_progress.SetPos(0);
    m_pPleaseWaitDialog->SetText(text);
    m_pPleaseWaitDialog->ShowWindow(SW_SHOW);
    m_pPleaseWaitDialog->m_nBusy = 1;
}

void CMainFrame::HidePleaseWait()
{
    if (m_pPleaseWaitDialog == nullptr || m_pPleaseWaitDialog->GetSafeHwnd() == nullptr)
        return;
    m_pPleaseWaitDialog->m_progress.SetPos(100);
    m_pPleaseWaitDialog->ShowWindow(SW_HIDE);
    m_pPleaseWaitDialog->m_nBusy = 0;
}
