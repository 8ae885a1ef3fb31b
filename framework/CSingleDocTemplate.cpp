#include "CSingleDocTemplate.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->OnCloseDocument();
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc == nullptr ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    rPos = nullptr;
    return m_pOnlyDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName) || title.IsEmpty()) {
        if (!title.LoadString(AFX_IDS_UNTITLED))
            title = L"Untitled";
    }
    pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    if (pDocument != nullptr) {
        // Reuse the document and its frame: ask to save the old contents first.
        if (!pDocument->SaveModified())
            return nullptr;
        POSITION pos = pDocument->GetFirstViewPosition();
        if (pos != nullptr)
            pFrame = pDocument->GetNextView(pos)->GetParentFrame();
    } else {
        pDocument = CreateNewDocument();
        if (pDocument == nullptr) {
            AfxMessageBox(L"Failed to create empty document.");
            return nullptr;
        }
        bCreated = TRUE;
        // The document outlives a failed frame; it is deleted below.
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr) {
            AfxMessageBox(L"Failed to create empty document.");
            delete pDocument;
            return nullptr;
        }
    }

    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument()) {
            if (bCreated)
                pFrame->DestroyWindow();
            return nullptr;
        }
    } else {
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            if (bCreated)
                pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
