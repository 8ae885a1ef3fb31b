#pragma once
#include "CNotesReader.h"
#include "CXTPFrameWnd.h"
#include "CXTPStatusBar.h"
#include "Framework.h"

class BannerDialog;
class PleaseWaitDialog;
class ServerEnumWaitDialog;

// The one top-level window: owns the engine objects, builds the bars, forwards
// menu commands to the current wizard step and asks before closing.
class CMainFrame : public CXTPFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    static CMainFrame* GetFrame() { return s_pFrame; }
    static const CString& GetProgramDirectory() { return s_strProgramDirectory; }

    void SetMainView(CWnd* pView) { m_pMainView = pView; }
    CWnd* GetMainView() const { return m_pMainView; }
    CXTPStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CNotesReader& GetNotesReader() { return m_notesReader; }
    PleaseWaitDialog* GetPleaseWaitDialog() const { return m_pPleaseWaitDialog; }
    CImageList& GetFolderImageList() { return m_folderImages; }
    HMODULE GetModuleHandle() const { return m_hModule; }

    // Step navigation of the step views.
    void GoToStep(int nStep);
    void GoToPreviousStep(int nStep);

    void ShowPleaseWait(const CString& text);
    void HidePleaseWait();
    void SetAddFileEnabled() { m_bAddFileEnabled = 1; }
    void ClearAddFileEnabled() { m_bAddFileEnabled = 0; }
    BOOL IsAddFileEnabled() const { return m_bAddFileEnabled != 0; }

    // Opens the help file next to the program, or says that it is missing.
    void OpenHelpFile();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnAddFiles();
    afx_msg void OnAddDominoFiles();
    afx_msg void OnExport();
    afx_msg void OnFileOpen();
    afx_msg void OnUpdateFileOpen(CCmdUI* pCmdUI);
    afx_msg LRESULT OnStopCurrent(WPARAM, LPARAM);
    afx_msg LRESULT OnConfirmStop(WPARAM, LPARAM);
    afx_msg void OnHelpFile();
    afx_msg LRESULT OnHelpMessage(WPARAM, LPARAM);
    afx_msg void OnHomePage();
    afx_msg void OnCustomize();
    DECLARE_MESSAGE_MAP()

private:
    void SendToMainView(UINT message);
    bool CreateCommandBars();

    CXTPStatusBar m_wndStatusBar;
    CString m_strDatabasePath;
    CNotesReader m_notesReader;
    PleaseWaitDialog* m_pPleaseWaitDialog = nullptr;
    ServerEnumWaitDialog* m_pServerEnumWaitDialog = nullptr;
    CImageList m_folderImages;
    CBitmap m_folderBitmap;
    CString m_strStatusText = L"Ready";
    BYTE m_bAddFileEnabled = 0;
    BannerDialog* m_pBannerDialog = nullptr;
    HMODULE m_hModule = nullptr;
    CWnd* m_pMainView = nullptr;
    bool m_bCloseWithoutQuestion = false;   // the Notes client is missing

    static CString s_strProgramDirectory;
    static CMainFrame* s_pFrame;
};
