#include "C1PavoWelcomeView.h"

#include <memory>

#include "CMainFrame.h"
#include "DominoFilesDialog.h"
#include "ToolkitLookData.h"
#include "WizardMessages.h"

IMPLEMENT_DYNCREATE(C1PavoWelcomeView, CPavoCommonBaseView)

BEGIN_MESSAGE_MAP(C1PavoWelcomeView, CPavoCommonBaseView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_OPTION_CLICKED, OnOptionClicked)
    ON_BN_CLICKED(400, OnAddFile)
    ON_BN_CLICKED(100, OnAddFiles)
    ON_BN_CLICKED(500, OnAddDominoFiles)
    ON_BN_CLICKED(200, OnRemoveFile)
    ON_BN_CLICKED(300, OnRemoveAllFiles)
    ON_MESSAGE(WM_ADD_FILES, OnAddFilesMessage)
    ON_MESSAGE(WM_ADD_DOMINO_FILES, OnAddDominoFilesMessage)
    ON_MESSAGE(WM_EXPORT, OnExportMessage)
END_MESSAGE_MAP()

namespace {
const wchar_t kNsfFilter[] = L"NSF File(*.nsf)|*.nsf||";
const int kNameBufferLength = 1000000;
}  // namespace

C1PavoWelcomeView::C1PavoWelcomeView()
{
    m_whiteBrush.CreateSolidBrush(RGB(255, 255, 255));
}

int C1PavoWelcomeView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CPavoCommonBaseView::OnCreate(lpcs) == -1)
        return -1;
    const CRect none(0, 0, 0, 0);
    m_iconSingle.Create(L"", WS_CHILD | WS_VISIBLE | SS_ICON, none, this);
    m_iconSingle.SetIcon(AfxGetApp()->LoadIcon(180));
    m_iconMultiple.Create(L"", WS_CHILD | WS_VISIBLE | SS_ICON, none, this);
    m_iconMultiple.SetIcon(AfxGetApp()->LoadIcon(182));
    m_singleFile.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, none, this, 1);
    m_singleFile.SetFilter(kNsfFilter);
    m_singleFile.PrepareBrowseEdit(this, CXTBrowseEdit::BrowseFile);
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT, none, this, 1);
    m_list.InsertColumn(0, L"File Path", LVCFMT_LEFT, 500);
    m_list.InsertColumn(1, L"Server", LVCFMT_LEFT, 500);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
    m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL,
                       reinterpret_cast<LPARAM>(m_shellImages.GetSystemImageList(true)));
    m_btnAddFile.Create(L"Add File", WS_CHILD | WS_VISIBLE, none, this, 400);
    m_btnAddDomino.Create(L"Add Domino File(s)", WS_CHILD | WS_VISIBLE, none, this, 500);
    m_btnAddFiles.Create(L"Add File(s)", WS_CHILD | WS_VISIBLE, none, this, 100);
    m_btnRemove.Create(L"Remove File", WS_CHILD | WS_VISIBLE, none, this, 200);
    m_btnRemoveAll.Create(L"Remove  All Files", WS_CHILD | WS_VISIBLE, none, this, 300);
    // Plain radio buttons: the option buttons set their check state themselves.
    m_optSingle.Create(L"Select this option to convert single NSF file", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON,
                       none, this, 600);
    m_optSingle.m_nOption = 1;
    m_optMultiple.Create(L"Select this option to convert multiple NSF file(s)",
                         WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, none, this, 601);
    m_optMultiple.m_nOption = 2;
    return 0;
}

void C1PavoWelcomeView::OnInitialUpdate()
{
    CPavoCommonBaseView::OnInitialUpdate();
    const std::pair<CXTButton*, UINT> buttons[] = {
        {&m_btnAddFile, 166}, {&m_btnAddDomino, 166}, {&m_btnAddFiles, 166}, {&m_btnRemove, 167}, {&m_btnRemoveAll, 168}};
    for (auto [pButton, icon] : buttons) {
        pButton->SetFont(&ToolkitLookData().fontNormal);
        pButton->SetIcon(CSize(16, 16), icon);
    }
    m_optSingle.SetFont(&ToolkitLookData().fontBold);
    m_optMultiple.SetFont(&ToolkitLookData().fontBold);
    ShowStop(FALSE);
    ShowExit(FALSE);
}

LRESULT C1PavoWelcomeView::OnStepActivated()
{
    m_nLayoutMode = 1;
    m_singleFile.SetWindowText(L"");
    for (CWnd* pWnd : std::initializer_list<CWnd*>{&m_list, &m_btnAddFile, &m_btnAddDomino, &m_btnAddFiles, &m_btnRemove,
                                                   &m_btnRemoveAll, &m_optSingle, &m_optMultiple, &m_iconSingle, &m_iconMultiple})
        pWnd->ShowWindow(SW_SHOW);
    ShowStop(FALSE);
    ShowBack(FALSE);
    ShowNext(TRUE);
    SetCurrentStep(0);
    m_btnNext.SetWindowText(L"Export");
    m_btnPreview.ShowWindow(SW_SHOW);
    // The step always starts with the list of databases.
    SetOption(2);
    CRect rc;
    GetClientRect(&rc);
    OnSize(SIZE_RESTORED, rc.Width(), rc.Height());
    Invalidate();
    return 1;
}

void C1PavoWelcomeView::SetOption(int nOption)
{
    m_nOption = nOption;
    const BOOL bSingle = nOption == 1;
    m_optSingle.SetCheck(bSingle ? BST_CHECKED : BST_UNCHECKED);
    m_optMultiple.SetCheck(bSingle ? BST_UNCHECKED : BST_CHECKED);
    m_singleFile.EnableWindow(bSingle);
    m_btnAddFile.EnableWindow(bSingle);
    for (CWnd* pWnd : std::initializer_list<CWnd*>{&m_list, &m_btnAddDomino, &m_btnAddFiles, &m_btnRemove, &m_btnRemoveAll})
        pWnd->EnableWindow(!bSingle);
}

LRESULT C1PavoWelcomeView::OnOptionClicked(WPARAM, LPARAM lParam)
{
    SetOption(lParam == 1 ? 1 : 2);
    // The clicked button turns its own state over when this returns, so it ends
    // checked and the other one unchecked.
    m_optSingle.SetCheck(BST_UNCHECKED);
    m_optMultiple.SetCheck(BST_UNCHECKED);
    return 0;
}

void C1PavoWelcomeView::OnSize(UINT nType, int cx, int cy)
{
    CPavoCommonBaseView::OnSize(nType, cx, cy);
    if (m_list.GetSafeHwnd() != nullptr && m_nLayoutMode == 1)
        Layout(cx, cy);
}

void C1PavoWelcomeView::Layout(int cx, int cy)
{
    m_list.MoveWindow(220, 60, cx - 240, cy - 120);
    m_btnRemoveAll.MoveWindow(cx - 130, 20, 110, 26);
    m_btnRemove.MoveWindow(cx - 250, 20, 110, 26);
    m_btnAddFiles.MoveWindow(cx - 360, 20, 100, 26);
    m_btnAddDomino.MoveWindow(cx - 520, 20, 140, 26);
    // Only the list and its four buttons are shown.
    for (CWnd* pWnd : std::initializer_list<CWnd*>{&m_singleFile, &m_btnAddFile, &m_optSingle, &m_optMultiple,
                                                   &m_iconSingle, &m_iconMultiple})
        pWnd->MoveWindow(0, 0, 0, 0);
}

void C1PavoWelcomeView::OnDraw(CDC* pDC)
{
    CPavoCommonBaseView::OnDraw(pDC);
    if (m_nLayoutMode != 1)
        return;
    CRect rc;
    GetClientRect(&rc);
    CPen pen(PS_SOLID, 1, RGB(0xFF, 0xDF, 0x2B));
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(220, 100);
    pDC->LineTo(rc.right - 20, 100);
    pDC->SelectObject(pOld);
}

HBRUSH C1PavoWelcomeView::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if ((nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_MSGBOX) && pWnd != nullptr && pWnd->GetDlgCtrlID() == 100) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetBkColor(RGB(255, 255, 255));
        return static_cast<HBRUSH>(m_whiteBrush.GetSafeHandle());
    }
    return CPavoCommonBaseView::OnCtlColor(pDC, pWnd, nCtlColor);
}

void C1PavoWelcomeView::ShowRows()
{
    m_list.DeleteAllItems();
    const auto& rows = m_databases.Rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const int item = m_list.InsertItem(i, rows[i].strPath, m_shellImages.GetIconIndex(rows[i].strPath, true));
        m_list.SetItemText(item, 1, rows[i].strServer);
    }
}

bool C1PavoWelcomeView::IsNotInList(const CString& path, const CString& server) const
{
    return m_databases.IsNotInList(path, server);
}

void C1PavoWelcomeView::AddServerFiles(const CString& server, const CStringArray& paths)
{
    m_databases.AddServerFiles(server, paths);
    ShowRows();
}

void C1PavoWelcomeView::OnAddFile()
{
    m_singleFile.RunBrowseAction();
    CString path;
    m_singleFile.GetWindowText(path);
    if (path.Left(1) == L"\\")
        AfxMessageBox(L"You are selecting the file from network. \r\nIt's advisable to copy the file to local computer "
                      L"for better preview and saving results ");
}

void C1PavoWelcomeView::OnAddFiles()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, 0x280206, kNsfFilter, this);
    auto names = std::make_unique<wchar_t[]>(kNameBufferLength);
    names[0] = L'\0';
    dialog.m_ofn.lpstrFile = names.get();
    dialog.m_ofn.nMaxFile = kNameBufferLength;
    if (dialog.DoModal() != IDOK)
        return;
    CStringArray chosen;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        chosen.Add(dialog.GetNextPathName(pos));
    AddChosenFiles(chosen);
}

void C1PavoWelcomeView::AddChosenFiles(const CStringArray& chosen)
{
    CStringArray duplicates;
    m_databases.AddLocalFiles(chosen, duplicates);
    for (INT_PTR i = 0; i < duplicates.GetSize(); ++i)
        AfxMessageBox(duplicates[i] + L" already exist in the list");
    ShowRows();
    if (m_databases.HasNetworkPath())
        AfxMessageBox(L"You are selecting the file from network. \r\nIt's advisable to copy the file to local computer "
                      L"for better saving results ");
}

void C1PavoWelcomeView::OnAddDominoFiles()
{
    DominoFilesDialog dialog(this);
    dialog.m_pStepView = this;
    dialog.DoModal();
}

void C1PavoWelcomeView::OnRemoveFile()
{
    std::vector<int> selected;
    for (POSITION pos = m_list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(m_list.GetNextSelectedItem(pos));
    if (!m_databases.RemoveRows(selected)) {
        AfxMessageBox(L"Please select the file from the list that you want to remove");
        return;
    }
    ShowRows();
}

void C1PavoWelcomeView::OnRemoveAllFiles()
{
    m_databases.RemoveAll();
    ShowRows();
}

LRESULT C1PavoWelcomeView::OnAddFilesMessage(WPARAM, LPARAM)
{
    if (m_nOption == 1)
        OnAddFile();
    else
        OnAddFiles();
    return 1;
}

LRESULT C1PavoWelcomeView::OnAddDominoFilesMessage(WPARAM, LPARAM)
{
    OnAddDominoFiles();
    return 1;
}

LRESULT C1PavoWelcomeView::OnExportMessage(WPARAM, LPARAM)
{
    OnNext();
    return 1;
}

CString C1PavoWelcomeView::PreviewRefusal(const NsfDatabaseList::Row* pRow)
{
    if (pRow == nullptr)
        return L"Please select file from list to see preview";
    if (!pRow->strServer.IsEmpty())
        return L"Preview of Domino Server file is not available. \r\nPlease select file which does not belong to Domino "
               L"Server and click Preview Button";
    CString upper = pRow->strPath;
    upper.MakeUpper();
    if (upper.Find(L".NSF") < 0)
        return L"Please enter .NSF file";
    return CString();
}

void C1PavoWelcomeView::OnPreview()
{
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    const NsfDatabaseList::Row* pRow = selected >= 0 && selected < m_databases.Count() ? &m_databases.Rows()[selected] : nullptr;
    const CString refusal = PreviewRefusal(pRow);
    if (!refusal.IsEmpty()) {
        AfxMessageBox(refusal);
        return;
    }
    CMainFrame* pFrame = CMainFrame::GetFrame();
    if (pFrame == nullptr)
        return;
    SettingsRecord& settings = pFrame->GetSettings();
    settings.m_nMode = SettingsRecord::ModeSingle;
    settings.m_strDatabasePath = pRow->strPath;
    settings.m_strServer = pRow->strServer;
    pFrame->GoToStep(0);
}

void C1PavoWelcomeView::OnNext()
{
    CMainFrame* pFrame = CMainFrame::GetFrame();
    if (pFrame == nullptr)
        return;
    // Saving an empty list would report success for nothing.
    if (m_databases.Count() == 0) {
        AfxMessageBox(L"Please add NSF file(s) to the list before exporting");
        return;
    }
    CStringArray paths;
    CStringArray servers;
    m_databases.GetChosen(paths, servers);
    SettingsRecord& settings = pFrame->GetSettings();
    settings.SetChosenDatabases(paths, servers);
    settings.m_nMode = SettingsRecord::ModeMultiple;
    pFrame->GoToStep(1);
}

void C1PavoWelcomeView::OnExit()
{
    GetParentFrame()->PostMessage(WM_CLOSE, 0, 0);
}
