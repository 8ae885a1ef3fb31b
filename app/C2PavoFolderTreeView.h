#pragma once
#include "CPavoCommonBaseView.h"
#include "CalendarGridPanel.h"
#include "FolderTreeCtrl.h"
#include "PreviewPanel.h"
#include "SplitterWnd.h"

class CMainFrame;

// Step 2 view: the folders of the current database in a check-box tree, the
// calendar entries of the clicked folder in the grid panel and one entry's text
// in the preview panel. Folder listing and preview read the database on worker
// threads, one at a time; every call of theirs into a window runs on the
// user-interface thread, in the order made.
class C2PavoFolderTreeView : public CPavoCommonBaseView {
    DECLARE_DYNCREATE(C2PavoFolderTreeView)
public:
    C2PavoFolderTreeView();
    ~C2PavoFolderTreeView() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnNext() override;
    void OnBack() override;
    void OnExit() override {}
    void OnStop() override;
    void OnPreview() override {}
    LRESULT OnStepActivated() override;

    FolderTreeCtrl& GetFolderTree() { return m_tree; }
    CalendarGridPanel& GetGridPanel() { return m_gridPanel; }
    PreviewPanel& GetPreviewPanel() { return m_previewPanel; }
    SplitterWnd& GetPreviewSplitter() { return m_innerSplitter; }
    SplitterWnd& GetFolderSplitter() { return m_outerSplitter; }
    // Appends the ticked folders of the database, in tree order: what Export saves.
    void CheckedFolders(CStringArray& folders) const;
    // A listing or preview worker is reading the database.
    bool IsReading() const { return m_listingWorker.IsRunning() || m_previewWorker.IsRunning(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnFolderClicked(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnRowClicked(WPARAM, LPARAM);
    afx_msg LRESULT OnStopCurrentMessage(WPARAM, LPARAM);
    afx_msg LRESULT OnExportMessage(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // Worker bodies.
    UINT ListFolders();
    UINT PreviewFolder(const CString& path);
    // User-interface steps, on the user-interface thread.
    void BeginPreview(const CString& path);
    void EndReading();
    // Cancels the reading worker, if any, and waits for its end.
    void StopReading();
    void SetStopFlags(int value);

    SplitterWnd m_innerSplitter;
    SplitterWnd m_outerSplitter;
    CalendarGridPanel m_gridPanel;
    CStatic m_icon;
    FolderTreeCtrl m_tree;
    PreviewPanel m_previewPanel;
    CWorkerThread m_listingWorker;
    CWorkerThread m_previewWorker;
    CMainFrame* m_pFrame = nullptr;
    CString m_strSelectedPath;
    CStringArray m_scannedFolders;   // the folder paths of the last scan
};
