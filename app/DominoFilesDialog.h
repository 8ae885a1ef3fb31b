#pragma once
#include "CWorkerThread.h"
#include "Framework.h"

class C1PavoWelcomeView;
class CMainFrame;

// Dialog 211: finds Domino servers and their databases on worker threads and hands
// the ticked databases of the listed server to step 1.
class DominoFilesDialog : public CDialog {
public:
    explicit DominoFilesDialog(CWnd* pParent = nullptr);
    ~DominoFilesDialog() override;

    C1PavoWelcomeView* m_pStepView = nullptr;   // borrowed; set before the dialog runs

    // The list texts as compared and shown.
    static CString ListText(const CString& text);
    // The name is in the list, case aside.
    static bool ContainsName(const CStringArray& names, const CString& name);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnAddServer();
    afx_msg void OnSearch();
    afx_msg void OnFinish();
    afx_msg void OnStop();
    afx_msg void OnAdd();
    afx_msg void OnSelectAll();
    afx_msg void OnUnselectAll();
    afx_msg void OnServerClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    UINT EnumerateServersThread();
    UINT FindServerFilesThread();
    void SetBusy(bool bBusy, const CString& status);
    // The reader's last error in a message box, shown by the user-interface thread.
    void ShowReaderError() const;
    void GetServerNames(CStringArray& names) const;

    CListCtrl m_servers;
    CListCtrl m_files;
    CEdit m_serverName;
    CAnimateCtrl m_animation;
    CString m_strStatus;
    BYTE m_bBusy = 0;
    CWorkerThread m_worker;
    CMainFrame* m_pFrame = nullptr;
    // The server whose databases the list shows (empty before a listing).
    CString m_strListedServer;
    CString m_strListingServer;
};
