#pragma once
#include "CEngineFacade.h"
#include "CNotesReader.h"
#include "PlainFrameWnd.h"
#include "CXTPStatusBar.h"
#include "Framework.h"
#include "IPstTemplateWriter.h"
#include <mutex>
#include "SaveDriver.h"
#include "SettingsRecord.h"

class BannerDialog;
class CSpreadSheet;
class CXTCaption;
class PleaseWaitDialog;
class ServerEnumWaitDialog;

// The one top-level window: owns the engine objects, builds the bars, forwards
// menu commands to the current wizard step and asks before closing.
class CMainFrame : public PlainFrameWnd, public IPstTemplateWriter {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    static CMainFrame* GetFrame() { return s_pFrame; }
    static const CString& GetProgramDirectory() { return s_strProgramDirectory; }
    // True once a frame refused to be made (no Notes client) and said why.
    static bool IsStartRefused() { return s_bStartRefused; }

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

    SettingsRecord& GetSettings() { return m_settings; }

    // Save driver, on the save thread: step 3's status list, caption and database bar.
    SaveDriver::Outcome RunSave(CListCtrl* pList, CXTCaption* pCaption, CProgressCtrl* pBar);
    // Saves the folder list into the chosen target; outPath := the target used.
    SaveResult SaveByTarget(bool bOpenNewTarget, CString& outPath);

    // Engine wrappers for the step views and worker threads.
    int ScanCurrentDatabase(CStringArray& folders, int quiet);
    // Step 2's preview worker: the entries of one folder into its grid panel.
    void PreviewFolder(ICalendarGrid* pPanel, const CString& path);
    int ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* pSheet);
    bool OpenPst(const CString& path, bool bExisting);
    void ClosePst();
    CPstWriter* GetPstWriter() const { return m_engine.GetPstWriter(); }
    int ListServers(CStringArray& servers) { return m_engine.ListServers(servers); }
    int ListServerDatabases(const CString& server, CStringArray& paths, CStringArray& names)
    {
        return m_engine.ListServerDatabases(server, paths, names);
    }
    // Stop: the reader's cancel flag and the current writer's stop flag.
    void SetStopFlags(int value);
    bool IsStopRequested() const;
    void ExtractPstTemplate(const CString& path, UINT resourceId) override;

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
    CNotesReader m_notesReader;
    CEngineFacade m_engine{m_notesReader, this};   // the export controller and the current PST writer
    SettingsRecord m_settings;
    // Stop (UI thread) reaches the writer that the save thread opens and deletes.
    mutable std::mutex m_writerMutex;
    PleaseWaitDialog* m_pPleaseWaitDialog = nullptr;
    ServerEnumWaitDialog* m_pServerEnumWaitDialog = nullptr;
    CImageList m_folderImages;
    CBitmap m_folderBitmap;
    CString m_strStatusText = L"Ready";
    BYTE m_bAddFileEnabled = 0;
    BannerDialog* m_pBannerDialog = nullptr;
    HMODULE m_hModule = nullptr;
    CWnd* m_pMainView = nullptr;

    static CString s_strProgramDirectory;
    static CMainFrame* s_pFrame;
    static bool s_bStartRefused;
};
