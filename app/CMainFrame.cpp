#include "CMainFrame.h"

#include "BannerDialog.h"
#include "CSpreadSheet.h"
#include "CUiThreadCall.h"
#include "CXTCaption.h"
#include "PlainCommandBars.h"
#include "CXTPPaintManager.h"
#include "PlainToolBar.h"
#include "PleaseWaitDialog.h"
#include "PstTemplateResource.h"
#include "SaveOptionsDialog.h"
#include "ProductInfo.h"
#include "ServerEnumWaitDialog.h"
#include "WizardMessages.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, PlainFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, PlainFrameWnd)
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
bool CMainFrame::s_bStartRefused = false;

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
    ClosePst();
    m_notesReader.Close();
    if (s_pFrame == this)
        s_pFrame = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!PlainFrameWnd::PreCreateWindow(cs))
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
        // The frame is not made, so it never shows; the program ends.
        s_bStartRefused = true;
        return -1;
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
    m_pCommandBars = static_cast<PlainCommandBars*>(RUNTIME_CLASS(PlainCommandBars)->CreateObject());
    if (m_pCommandBars == nullptr)
        return false;
    m_pCommandBars->AttachFrame(this);
    m_pCommandBars->EnableDocking();
    if (m_pCommandBars->SetMenu(L"Menu Bar", IDR_MAINFRAME) == nullptr)
        return false;
    PlainToolBar* pToolBar = m_pCommandBars->AddToolBar(L"Standard");
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
    if (!PlainFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
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
    return PlainFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CMainFrame::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (m_pCommandBars != nullptr)
        m_pCommandBars->OnSetPreviewMode(bPreview);
    PlainFrameWnd::OnSetPreviewMode(bPreview, pState);
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

namespace {

// The save driver's reports as messages to step 3's windows (sent from the save thread).
class WindowSaveProgress : public ISaveProgress {
public:
    WindowSaveProgress(CListCtrl* pList, CXTCaption* pCaption, CProgressCtrl* pBar)
        : m_hList(pList != nullptr ? pList->GetSafeHwnd() : nullptr), m_pCaption(pCaption),
          m_hBar(pBar != nullptr ? pBar->GetSafeHwnd() : nullptr) {}

    void SetCaption(const CString& text) override
    {
        if (m_pCaption != nullptr && ::IsWindow(m_pCaption->GetSafeHwnd()))
            m_pCaption->ChangeCaptionNow(text, nullptr);
    }
    void SetProgress(int percent) override
    {
        if (::IsWindow(m_hBar))
            ::SendMessageW(m_hBar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }
    void SetRowStatus(int row, const CString& text) override { SetText(row, 1, text); }
    void SetRowLocation(int row, const CString& path) override { SetText(row, 3, path); }

private:
    void SetText(int row, int column, const CString& text)
    {
        if (!::IsWindow(m_hList))
            return;
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(text));
        ::SendMessageW(m_hList, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    HWND m_hList;
    CXTCaption* m_pCaption;
    HWND m_hBar;
};

// The frame's wrappers as the save driver's steps.
class FrameSaveSteps : public ISaveSteps {
public:
    explicit FrameSaveSteps(CMainFrame& frame) : m_frame(frame) {}

    bool ScanCurrentDatabase(CStringArray& folders) override { return m_frame.ScanCurrentDatabase(folders, 1) != 0; }
    bool AskSaveOptions() override
    {
        // The dialog runs on the user-interface thread while the save thread waits.
        bool bOk = false;
        RunOnUiThread([&] { bOk = SaveOptionsDialog::AskInto(m_frame.GetSettings(), nullptr); });
        return bOk;
    }
    SaveResult SaveByTarget(bool bOpenNewTarget, CString& outPath) override
    {
        return m_frame.SaveByTarget(bOpenNewTarget, outPath);
    }
    void ClosePst() override { m_frame.ClosePst(); }
    bool IsCancelled() const override { return m_frame.IsStopRequested(); }

private:
    CMainFrame& m_frame;
};

}  // namespace

SaveDriver::Outcome CMainFrame::RunSave(CListCtrl* pList, CXTCaption* pCaption, CProgressCtrl* pBar)
{
    WindowSaveProgress progress(pList, pCaption, pBar);
    FrameSaveSteps steps(*this);
    return SaveDriver(m_settings, steps, progress).Run();
}

SaveResult CMainFrame::SaveByTarget(bool bOpenNewTarget, CString& outPath)
{
    const SaveTarget& target = m_settings.m_target;
    if (target.nKind == SaveTarget::Excel || target.nKind == SaveTarget::Csv) {
        const bool bExcel = target.nKind == SaveTarget::Excel;
        outPath = bExcel ? target.strExcelPath : target.strCsvPath;
        bool bSaved = true;
        for (INT_PTR i = 0; i < m_settings.m_folders.GetSize(); ++i) {
            // Each writer loads what the file holds, so the folders' rows accumulate.
            CSpreadSheet sheet(outPath, bExcel ? CString(L"Calendar") : CString(L","));
            if (!ExportOneFolder(m_settings.m_folders[i], 1, &sheet))
                bSaved = false;
            // False also when the sheet refused a row or could not be written.
            if (!sheet.Commit())
                bSaved = false;
        }
        return bSaved ? SaveResult::Saved : SaveResult::NotAllSaved;
    }
    if (bOpenNewTarget && !OpenPst(target.strPstPath, target.nPstMode == SaveTarget::ExistingPst)) {
        CPstWriter* pWriter = m_engine.GetPstWriter();
        return pWriter != nullptr && pWriter->SessionStarted() ? SaveResult::Failed : SaveResult::NoSession;
    }
    // Without an open store there is nowhere to save to.
    CPstWriter* pWriter = m_engine.GetPstWriter();
    if (pWriter == nullptr)
        return SaveResult::Failed;
    bool bSaved = true;
    for (INT_PTR i = 0; i < m_settings.m_folders.GetSize(); ++i)
        if (!ExportOneFolder(m_settings.m_folders[i], 0, nullptr))
            bSaved = false;
    // A new file whose name was taken is written under a numbered name.
    outPath = pWriter->m_pstPath;
    return bSaved ? SaveResult::Saved : SaveResult::NotAllSaved;
}

namespace {

// The please-wait dialog as the folder preview reports to it: the bar moves, and
// the status text, empty during a preview, is not repainted for every entry.
class PreviewWaitSink : public IWaitDialog {
public:
    explicit PreviewWaitSink(const IWaitDialog& dialog) : m_dialog(dialog) {}
    HWND GetDialogWindow() const override { return m_dialog.GetDialogWindow(); }
    HWND GetProgressBarWindow() const override { return m_dialog.GetProgressBarWindow(); }
    HWND GetStatusTextWindow() const override { return nullptr; }

private:
    const IWaitDialog& m_dialog;
};

}  // namespace

void CMainFrame::PreviewFolder(ICalendarGrid* pPanel, const CString& path)
{
    if (m_pPleaseWaitDialog == nullptr) {
        m_notesReader.PreviewFolder(pPanel, path);
        return;
    }
    PreviewWaitSink sink(*m_pPleaseWaitDialog);
    IWaitDialog* pPrevious = m_notesReader.m_pWaitDialog;
    m_notesReader.m_pWaitDialog = &sink;
    m_notesReader.PreviewFolder(pPanel, path);
    m_notesReader.m_pWaitDialog = pPrevious;
}

int CMainFrame::ScanCurrentDatabase(CStringArray& folders, int quiet)
{
    return m_engine.ScanCurrentDatabase(m_settings.m_strDatabasePath, m_settings.m_strServer, folders, quiet,
                                        m_pPleaseWaitDialog);
}

int CMainFrame::ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* pSheet)
{
    return m_engine.ExportOneFolder(folderPath, mode, pSheet);
}

bool CMainFrame::OpenPst(const CString& path, bool bExisting)
{
    std::lock_guard<std::mutex> lock(m_writerMutex);
    return m_engine.OpenPst(path, bExisting);
}

void CMainFrame::ClosePst()
{
    std::lock_guard<std::mutex> lock(m_writerMutex);
    m_engine.ClosePst();
}

void CMainFrame::SetStopFlags(int value)
{
    std::lock_guard<std::mutex> lock(m_writerMutex);
    m_notesReader.m_nCancel = value;
    if (CPstWriter* pWriter = m_engine.GetPstWriter())
        pWriter->m_stopFlag = value;
}

bool CMainFrame::IsStopRequested() const
{
    std::lock_guard<std::mutex> lock(m_writerMutex);
    const CPstWriter* pWriter = m_engine.GetPstWriter();
    return m_notesReader.m_nCancel != 0 || (pWriter != nullptr && pWriter->m_stopFlag != 0);
}

void CMainFrame::ExtractPstTemplate(const CString& path, UINT resourceId)
{
    PstTemplateResource::Extract(m_hModule, path, resourceId);
}
