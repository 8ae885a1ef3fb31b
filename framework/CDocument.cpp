#include "CDocument.h"

#include "CArchive.h"
#include "CDocTemplate.h"
#include "CException.h"
#include "CFile.h"
#include "CFileException.h"
#include "CFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views outliving their document must not reach back into it.
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    wchar_t full[MAX_PATH];
    DWORD n = ::GetFullPathNameW(lpszPathName, MAX_PATH, full, nullptr);
    m_strPathName = n > 0 && n < MAX_PATH ? full : lpszPathName;
    // The title is the file name without its folder.
    int slash = m_strPathName.ReverseFind(L'\\');
    SetTitle(m_strPathName.Mid(slash + 1));
    if (bAddToMRU) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

void CDocument::AddView(CView* pView)
{
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    for (auto it = m_viewList.begin(); it != m_viewList.end(); ++it) {
        if (*it == pView) {
            m_viewList.erase(it);
            pView->m_pDocument = nullptr;
            OnChangedViewList();
            return;
        }
    }
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    auto index = reinterpret_cast<UINT_PTR>(rPosition) - 1;
    CView* pView = m_viewList[index];
    rPosition = index + 1 < m_viewList.size() ? reinterpret_cast<POSITION>(index + 2) : nullptr;
    return pView;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (CView* pView : std::vector<CView*>(m_viewList)) {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    for (CView* pView : m_viewList) {
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        fe.ReportError(MB_ICONEXCLAMATION);
        return FALSE;
    }
    DeleteContents();
    try {
        CArchive ar(&file, CArchive::load);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        DeleteContents();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &fe)) {
        fe.ReportError(MB_ICONEXCLAMATION);
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Keep the document while its frames go away with their views.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* pView = m_viewList.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
            pFrame->DestroyWindow();
        else
            pView->DestroyWindow();
        if (!m_viewList.empty() && m_viewList.front() == pView)
            RemoveView(pView);   // a view that survived its window
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents() {}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString prompt;
    prompt.Format(L"Save changes to %s?", static_cast<LPCTSTR>(name));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd*)
{
    return SaveModified();
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString path = lpszPathName != nullptr ? lpszPathName : L"";
    if (path.IsEmpty()) {
        wchar_t buffer[MAX_PATH];
        lstrcpynW(buffer, m_strTitle, MAX_PATH);
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = AfxGetMainWnd()->GetSafeHwnd();
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrFilter = L"All Files (*.*)\0*.*\0";
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        AfxHookMessageFilter();
        if (!::GetSaveFileNameW(&ofn))
            return FALSE;
        path = buffer;
    }
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    return DoSave(m_strPathName.IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_strPathName));
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
