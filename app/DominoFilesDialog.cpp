#include "DominoFilesDialog.h"

#include "C1PavoWelcomeView.h"
#include "CMainFrame.h"
#include "CUiThreadCall.h"
#include "lnapi.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(DominoFilesDialog, CDialog)
    ON_BN_CLICKED(IDC_DOMINO_ADD_SERVER, OnAddServer)
    ON_BN_CLICKED(IDC_DOMINO_SEARCH, OnSearch)
    ON_BN_CLICKED(IDC_DOMINO_FINISH, OnFinish)
    ON_BN_CLICKED(IDC_DOMINO_STOP, OnStop)
    ON_BN_CLICKED(IDC_DOMINO_ADD, OnAdd)
    ON_BN_CLICKED(IDC_DOMINO_SELECT_ALL, OnSelectAll)
    ON_BN_CLICKED(IDC_DOMINO_UNSELECT_ALL, OnUnselectAll)
    ON_NOTIFY(NM_CLICK, IDC_DOMINO_SERVERS, OnServerClick)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
// The controls that are disabled while a listing runs.
const int kListingControls[] = {IDC_DOMINO_SERVER_NAME, IDC_DOMINO_FINISH, IDC_DOMINO_ADD, IDC_DOMINO_ADD_SERVER,
                                IDC_DOMINO_SEARCH, IDC_DOMINO_ANIMATION, IDC_DOMINO_FILES, IDC_DOMINO_SERVERS};
}  // namespace

DominoFilesDialog::DominoFilesDialog(CWnd* pParent) : CDialog(IDD_DOMINO_FILES, pParent) {}

DominoFilesDialog::~DominoFilesDialog() = default;

CString DominoFilesDialog::ListText(const CString& text)
{
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

bool DominoFilesDialog::ContainsName(const CStringArray& names, const CString& name)
{
    for (INT_PTR i = 0; i < names.GetSize(); ++i)
        if (ListText(names[i]) == ListText(name))
            return true;
    return false;
}

void DominoFilesDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMINO_SERVERS, m_servers);
    DDX_Control(pDX, IDC_DOMINO_FILES, m_files);
    DDX_Control(pDX, IDC_DOMINO_SERVER_NAME, m_serverName);
    DDX_Control(pDX, IDC_DOMINO_ANIMATION, m_animation);
    DDX_Text(pDX, IDC_DOMINO_STATUS, m_strStatus);
}

BOOL DominoFilesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pFrame = CMainFrame::GetFrame();
    m_servers.InsertColumn(0, L"Domino Server Name(s)", LVCFMT_LEFT, 200);
    m_files.InsertColumn(0, L"Domino Server nsf Files", LVCFMT_LEFT, 200);
    m_files.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    // The animation resource is optional: without it the control stays empty.
    m_animation.SendMessage(ACM_OPENW, 0, 207);
    return TRUE;
}

BOOL DominoFilesDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return CDialog::PreTranslateMessage(pMsg);
}

void DominoFilesDialog::GetServerNames(CStringArray& names) const
{
    for (int i = 0; i < m_servers.GetItemCount(); ++i)
        names.Add(m_servers.GetItemText(i, 0));
}

void DominoFilesDialog::OnAddServer()
{
    CString name;
    m_serverName.GetWindowText(name);
    if (name.IsEmpty()) {
        AfxMessageBox(L"Please provide Domino Server name to add");
        return;
    }
    name = ListText(name);
    CStringArray listed;
    GetServerNames(listed);
    if (ContainsName(listed, name)) {
        AfxMessageBox(name + L" Domino Server already exist in the list");
        return;
    }
    m_servers.InsertItem(0, name);
}

// Runs on either thread. The controls are reached through their window handles:
// a worker must not build window objects of its own (they outlive its end).
void DominoFilesDialog::SetBusy(bool bBusy, const CString& status)
{
    for (int id : kListingControls)
        ::EnableWindow(::GetDlgItem(m_hWnd, id), !bBusy);
    m_strStatus = status;
    ::SetDlgItemTextW(m_hWnd, IDC_DOMINO_STATUS, status);
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_DOMINO_STOP), bBusy ? SW_SHOW : SW_HIDE);
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_DOMINO_SEARCH), bBusy ? SW_HIDE : SW_SHOW);
    m_bBusy = bBusy ? 1 : 0;
    if (bBusy)
        m_animation.SendMessage(ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
    else
        m_animation.SendMessage(ACM_STOP, 0, 0);
}

void DominoFilesDialog::OnSearch()
{
    SetBusy(true, CString());
    if (AfxMessageBox(L"The enumeration of server information can take several minutes\r\n\r\nDo you want to enumerate "
                      L"the server now?",
                      MB_YESNO) != IDYES) {
        SetBusy(false, CString());
        return;
    }
    SetBusy(true, L"Please wait enumerating server");
    if (!m_worker.Start([this] { return EnumerateServersThread(); }))
        SetBusy(false, CString());
}

UINT DominoFilesDialog::EnumerateServersThread()
{
    LNNotesSession session;
    session.InitThread();
    CStringArray servers;
    if (m_pFrame != nullptr)
        m_pFrame->ListServers(servers);
    if (servers.IsEmpty()) {
        ShowReaderError();
    } else {
        CStringArray listed;
        GetServerNames(listed);
        for (INT_PTR i = 0; i < servers.GetSize(); ++i) {
            const CString name = ListText(servers[i]);
            if (!ContainsName(listed, name)) {
                m_servers.InsertItem(0, name);
                listed.Add(name);
            }
        }
    }
    session.TermThread();
    SetBusy(false, CString());
    return 1;
}

void DominoFilesDialog::ShowReaderError() const
{
    const CString text = m_pFrame != nullptr ? m_pFrame->GetNotesReader().GetLastError() : CString();
    RunOnUiThread([&] { AfxMessageBox(text); });
}

void DominoFilesDialog::OnServerClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    const int mark = m_servers.GetSelectionMark();
    m_files.DeleteAllItems();
    m_strListedServer.Empty();
    if (mark < 0 || m_bBusy)
        return;
    const CString server = m_servers.GetItemText(mark, 0);
    if (server.IsEmpty())
        return;
    m_strListingServer = server;
    SetBusy(true, L"Please wait while finding NSF file in server");
    if (!m_worker.Start([this] { return FindServerFilesThread(); }))
        SetBusy(false, CString());
}

UINT DominoFilesDialog::FindServerFilesThread()
{
    LNNotesSession session;
    session.InitThread();
    CStringArray paths;
    CStringArray names;
    if (m_pFrame != nullptr)
        m_pFrame->ListServerDatabases(m_strListingServer, paths, names);
    if (paths.IsEmpty()) {
        ShowReaderError();
    } else {
        for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
            m_files.InsertItem(0, ListText(paths[i]));
            m_files.SetCheck(0, TRUE);
        }
        m_strListedServer = m_strListingServer;
    }
    session.TermThread();
    SetBusy(false, CString());
    return 1;
}

void DominoFilesDialog::OnAdd()
{
    CStringArray ticked;
    for (int i = 0; i < m_files.GetItemCount(); ++i)
        if (m_files.GetCheck(i))
            ticked.Add(m_files.GetItemText(i, 0));
    if (ticked.IsEmpty()) {
        AfxMessageBox(L"Please select file from the list");
        return;
    }
    // The databases belong to the server they were listed from, whatever row the
    // server list has selected now.
    if (m_strListedServer.IsEmpty()) {
        AfxMessageBox(L"Please click a Domino Server Name in the list to find its files");
        return;
    }
    if (m_pStepView != nullptr)
        m_pStepView->AddServerFiles(m_strListedServer, ticked);
    AfxMessageBox(L"Selected Files are added, If you want to select files from other Domino Server then click on that "
                  L"Domino Server Name in the list or click on Finish button to proceed with the Migration process");
}

void DominoFilesDialog::OnSelectAll()
{
    for (int i = 0; i < m_files.GetItemCount(); ++i)
        m_files.SetCheck(i, TRUE);
}

void DominoFilesDialog::OnUnselectAll()
{
    for (int i = 0; i < m_files.GetItemCount(); ++i)
        m_files.SetCheck(i, FALSE);
}

void DominoFilesDialog::OnStop()
{
    if (AfxMessageBox(L"Are you sure you want to stop current process ?", MB_YESNO) == IDYES && m_pFrame != nullptr)
        m_pFrame->SetStopFlags(1);
}

void DominoFilesDialog::OnFinish()
{
    CDialog::OnOK();
}

void DominoFilesDialog::OnClose()
{
    if (m_bBusy) {
        AfxMessageBox(L"Please wait while searching finish");
        return;
    }
    CDialog::OnClose();
}

void DominoFilesDialog::OnDestroy()
{
    CDialog::OnDestroy();
    // The worker reaches this dialog's controls: it must end first. Join keeps
    // answering the messages it sends meanwhile.
    m_worker.Join();
}
