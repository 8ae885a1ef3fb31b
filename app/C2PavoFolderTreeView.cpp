#include "C2PavoFolderTreeView.h"

#include "CMainFrame.h"
#include "SaveOptionsDialog.h"
#include "ToolkitLookData.h"
#include "WizardMessages.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(C2PavoFolderTreeView, CPavoCommonBaseView)

BEGIN_MESSAGE_MAP(C2PavoFolderTreeView, CPavoCommonBaseView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_FOLDER_CLICKED, OnFolderClicked)
    ON_MESSAGE(WM_GRID_ROW_CLICKED, OnRowClicked)
    ON_MESSAGE(WM_STOP_CURRENT, OnStopCurrentMessage)
    ON_MESSAGE(WM_EXPORT, OnExportMessage)
END_MESSAGE_MAP()

namespace {

const wchar_t kEnumerating[] = L"Please wait while enumerating folders";

// A worker's own Notes thread context, closed on every way out.
class NotesThreadContext {
public:
    NotesThreadContext() { m_session.InitThread(); }
    ~NotesThreadContext() { m_session.TermThread(); }
    NotesThreadContext(const NotesThreadContext&) = delete;
    NotesThreadContext& operator=(const NotesThreadContext&) = delete;

private:
    LNNotesSession m_session;
};

}  // namespace

C2PavoFolderTreeView::C2PavoFolderTreeView() = default;

// The workers were joined when the window went (OnDestroy).
C2PavoFolderTreeView::~C2PavoFolderTreeView() = default;

int C2PavoFolderTreeView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CPavoCommonBaseView::OnCreate(lpcs) == -1)
        return -1;
    m_tree.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT
                      | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS | TVS_CHECKBOXES,
                  CRect(10, 10, 300, 100), this, IDC_FOLDER_TREE);
    m_gridPanel.Create(L"", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(10, 10, 150, 50), this, 0xFFFF);
    if (m_icon.Create(L"", WS_CHILD | WS_VISIBLE | SS_ICON, CRect(0, 0, 0, 0), this, 0xFFFF))
        m_icon.SetIcon(AfxGetApp()->LoadIcon(IDI_STEP2_FOLDER));
    if (m_previewPanel.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY, CRect(10, 10, 100, 100), this, 1))
        m_previewPanel.SetFont(&ToolkitLookData().fontNormal);
    const CRect whole(0, 0, 2000, 2000);
    m_innerSplitter.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SplitterWnd::Stacked, this, &m_gridPanel,
                           &m_previewPanel, IDC_PREVIEW_SPLITTER, whole, 10, 10);
    m_outerSplitter.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SplitterWnd::SideBySide, this, &m_tree,
                           &m_innerSplitter, IDC_FOLDER_SPLITTER, whole, 10, 10);
    m_gridPanel.SetPreviewPanel(&m_previewPanel);
    return 0;
}

void C2PavoFolderTreeView::OnSize(UINT nType, int cx, int cy)
{
    CPavoCommonBaseView::OnSize(nType, cx, cy);
    if (m_outerSplitter.GetSafeHwnd() != nullptr)
        m_outerSplitter.MoveWindow(203, 53, std::max(0, cx - 206), std::max(0, cy - 116));
    if (m_icon.GetSafeHwnd() != nullptr)
        m_icon.MoveWindow(250, 5, 32, 32);
}

void C2PavoFolderTreeView::OnDraw(CDC* pDC)
{
    CPavoCommonBaseView::OnDraw(pDC);
    CRect rc;
    GetClientRect(&rc);
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&ToolkitLookData().fontBold);
    pDC->SetTextColor(0x000000);
    pDC->TextOut(286, 20, CString(L"  Click any folder to view converted Calendar"));
    pDC->SelectObject(pOldFont);
    pDC->FillSolidRect(CRect(200, 50, rc.right, rc.bottom - 60), 0xCDC0AC);
}

void C2PavoFolderTreeView::OnInitialUpdate()
{
    CPavoCommonBaseView::OnInitialUpdate();
    SetCurrentStep(1);
    ShowExit(FALSE);
}

void C2PavoFolderTreeView::OnDestroy()
{
    StopReading();
    if (m_pFrame != nullptr && m_pFrame->GetNotesReader().m_pFolderTree == &m_tree)
        m_pFrame->GetNotesReader().m_pFolderTree = nullptr;
    CPavoCommonBaseView::OnDestroy();
}

void C2PavoFolderTreeView::SetStopFlags(int value)
{
    if (m_pFrame != nullptr)
        m_pFrame->SetStopFlags(value);
}

void C2PavoFolderTreeView::StopReading()
{
    if (!IsReading())
        return;
    SetStopFlags(1);
    // Join keeps answering the workers' calls into the windows, so they can end.
    m_listingWorker.Join();
    m_previewWorker.Join();
}

LRESULT C2PavoFolderTreeView::OnStepActivated()
{
    StopReading();
    m_pFrame = CMainFrame::GetFrame();
    if (m_pFrame != nullptr) {
        m_tree.SetImageList(&m_pFrame->GetFolderImageList(), TVSIL_NORMAL);
        m_gridPanel.SetImageList(&m_pFrame->GetFolderImageList());
    }
    m_tree.DeleteAllItems();
    m_scannedFolders.RemoveAll();
    m_gridPanel.Reset();
    m_previewPanel.ClearFields();
    m_previewPanel.ShowMessage(PreviewPanel::EnumeratingFolders);
    m_innerSplitter.ShowSecondPane();
    SetStopFlags(0);
    m_btnNext.SetWindowText(L"Export");
    m_btnPreview.ShowWindow(SW_HIDE);
    Invalidate();
    m_listingWorker.Start([this] { return ListFolders(); });
    return 1;
}

UINT C2PavoFolderTreeView::ListFolders()
{
    CMainFrame* pFrame = m_pFrame;
    RunOnUiThread([&] {
        m_gridPanel.EnableWindow(FALSE);
        ShowBack(FALSE);
        ShowNext(FALSE);
        ShowStop(FALSE);
        if (pFrame != nullptr) {
            pFrame->ShowPleaseWait(kEnumerating);
            pFrame->GetNotesReader().m_pFolderTree = &m_tree;
        }
        m_tree.EnableWindow(FALSE);
        m_tree.DeleteAllItems();
    });
    int scanned = 0;
    CStringArray folders;
    if (pFrame != nullptr) {
        NotesThreadContext context;
        scanned = pFrame->ScanCurrentDatabase(folders, 0);
    }
    const bool cancelled = pFrame == nullptr || pFrame->IsStopRequested();
    CString firstPath;
    RunOnUiThread([&] {
        m_scannedFolders.RemoveAll();
        m_scannedFolders.Append(folders);
        if (pFrame != nullptr)
            pFrame->HidePleaseWait();
        if (!scanned && !cancelled)
            AfxMessageBox(pFrame->GetNotesReader().GetLastError(), MB_OK);
        const HTREEITEM root = m_tree.GetRootItem();
        const HTREEITEM first = root != nullptr ? m_tree.GetChildItem(root) : nullptr;
        if (scanned && !cancelled && first != nullptr) {
            m_tree.Select(first, TVGN_CARET);
            firstPath = m_tree.GetItemPath(first);
        }
        if (root != nullptr)
            m_tree.CTreeCtrl::Expand(root, TVE_EXPAND);
        if (!firstPath.IsEmpty()) {
            // This worker previews the first folder itself, so that one reading
            // worker runs at a time; the preview's end closes the listing too.
            BeginPreview(firstPath);
            return;
        }
        m_previewPanel.ShowMessage(scanned && !cancelled ? PreviewPanel::NoFolderFound : PreviewPanel::SelectItem);
        EndReading();
    });
    return firstPath.IsEmpty() ? 1 : PreviewFolder(firstPath);
}

void C2PavoFolderTreeView::BeginPreview(const CString& path)
{
    SetStopFlags(0);
    m_strSelectedPath = path;
    ShowBack(FALSE);
    ShowNext(FALSE);
    ShowStop(FALSE);
    m_tree.EnableWindow(FALSE);
    m_previewPanel.ClearFields();
    m_previewPanel.ShowMessage(PreviewPanel::FillingList);
    m_gridPanel.Reset();
    m_gridPanel.BeginFill();
    m_innerSplitter.ShowSecondPane();
    m_gridPanel.EnableWindow(FALSE);
    if (m_pFrame != nullptr)
        m_pFrame->ShowPleaseWait(L"");
}

UINT C2PavoFolderTreeView::PreviewFolder(const CString& path)
{
    CMainFrame* pFrame = m_pFrame;
    if (pFrame != nullptr) {
        NotesThreadContext context;
        pFrame->PreviewFolder(&m_gridPanel, path);
    }
    const bool cancelled = pFrame == nullptr || pFrame->IsStopRequested();
    // The last entries on their own, so they show before the closing work.
    RunOnUiThread([&] { m_gridPanel.EndFill(); });
    RunOnUiThread([&] {
        m_previewPanel.ClearFields();
        if (m_gridPanel.GetEntryRowCount() > 0) {
            m_previewPanel.ShowMessage(PreviewPanel::SelectItem);
            m_innerSplitter.HideSecondPane();
        } else {
            m_previewPanel.ShowMessage(cancelled ? PreviewPanel::PreviewAborted : PreviewPanel::NoItemInFolder);
            m_innerSplitter.ShowSecondPane();
        }
        if (pFrame != nullptr)
            pFrame->HidePleaseWait();
        EndReading();
    });
    return 1;
}

void C2PavoFolderTreeView::EndReading()
{
    SetStopFlags(0);
    m_tree.EnableWindow(TRUE);
    m_gridPanel.EnableWindow(TRUE);
    ShowBack(TRUE);
    ShowNext(TRUE);
    ShowStop(FALSE);
    for (CWnd* pWnd : {static_cast<CWnd*>(&m_tree), static_cast<CWnd*>(&m_gridPanel),
                       static_cast<CWnd*>(&m_previewPanel), static_cast<CWnd*>(&m_innerSplitter),
                       static_cast<CWnd*>(&m_outerSplitter)})
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->Invalidate();
}

LRESULT C2PavoFolderTreeView::OnFolderClicked(WPARAM wParam, LPARAM)
{
    const auto* text = reinterpret_cast<const wchar_t*>(wParam);
    if (text == nullptr)
        return 1;
    const CString path = text;
    StopReading();
    BeginPreview(path);
    if (!m_previewWorker.Start([this, path] { return PreviewFolder(path); }))
        EndReading();
    return 1;
}

LRESULT C2PavoFolderTreeView::OnRowClicked(WPARAM, LPARAM)
{
    // The grid panel has put the entry into the preview panel; make room for it.
    m_innerSplitter.ShowSecondPane();
    return 1;
}

LRESULT C2PavoFolderTreeView::OnStopCurrentMessage(WPARAM, LPARAM)
{
    OnStop();
    return 1;
}

LRESULT C2PavoFolderTreeView::OnExportMessage(WPARAM, LPARAM)
{
    if (m_btnNext.GetSafeHwnd() != nullptr && m_btnNext.IsWindowVisible())
        OnNext();
    return 1;
}

void C2PavoFolderTreeView::CheckedFolders(CStringArray& folders) const
{
    CStringArray checked;
    m_tree.CollectCheckedPaths(checked);
    // The root and the levels above nested folders are ticked along with their
    // folders but are no folders of the database: exporting them would fail.
    for (INT_PTR i = 0; i < checked.GetSize(); ++i)
        for (INT_PTR j = 0; j < m_scannedFolders.GetSize(); ++j)
            if (m_scannedFolders[j] == checked[i]) {
                folders.Add(checked[i]);
                break;
            }
}

void C2PavoFolderTreeView::OnNext()
{
    CStringArray paths;
    CheckedFolders(paths);
    if (paths.IsEmpty()) {
        AfxMessageBox(L"Please select folder", MB_OK);
        return;
    }
    if (m_pFrame == nullptr)
        return;
    SettingsRecord& settings = m_pFrame->GetSettings();
    if (!SaveOptionsDialog::AskInto(settings, this))
        return;
    settings.m_folders.RemoveAll();
    settings.m_folders.Append(paths);
    m_pFrame->GoToStep(1);
}

void C2PavoFolderTreeView::OnBack()
{
    if (m_pFrame != nullptr)
        m_pFrame->GoToPreviousStep(1);
}

void C2PavoFolderTreeView::OnStop()
{
    if (AfxMessageBox(L"Are you sure you want to stop current process ?", MB_YESNO) == IDYES)
        SetStopFlags(1);
}
