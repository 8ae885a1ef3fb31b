#pragma once
#include "CPavoCommonBaseView.h"
#include "CXTBrowseEdit.h"
#include "NsfDatabaseList.h"
#include "OptionButton.h"
#include "ShellImageList.h"

// Step 1 view: the databases to convert, local files and Domino databases.
class C1PavoWelcomeView : public CPavoCommonBaseView {
    DECLARE_DYNCREATE(C1PavoWelcomeView)
public:
    C1PavoWelcomeView();

    LRESULT OnStepActivated() override;
    void OnNext() override;
    void OnExit() override;
    void OnPreview() override;
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

    // The files chosen in the dialog of "Add File(s)", as that dialog's OK adds them.
    void AddChosenFiles(const CStringArray& chosen);
    // Lists each path with the server unless it is listed with that server already.
    void AddServerFiles(const CString& server, const CStringArray& paths);
    bool IsNotInList(const CString& path, const CString& server) const;
    const NsfDatabaseList& GetDatabaseList() const { return m_databases; }

    // The message for a preview of the row, or empty when the row can be previewed.
    static CString PreviewRefusal(const NsfDatabaseList::Row* pRow);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnOptionClicked(WPARAM, LPARAM lParam);
    afx_msg void OnAddFile();
    afx_msg void OnAddFiles();
    afx_msg void OnAddDominoFiles();
    afx_msg void OnRemoveFile();
    afx_msg void OnRemoveAllFiles();
    afx_msg LRESULT OnAddFilesMessage(WPARAM, LPARAM);
    afx_msg LRESULT OnAddDominoFilesMessage(WPARAM, LPARAM);
    afx_msg LRESULT OnExportMessage(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void SetOption(int nOption);
    void ShowRows();
    void Layout(int cx, int cy);

    CStatic m_iconSingle;
    CStatic m_iconMultiple;
    CXTBrowseEdit m_singleFile;
    CListCtrl m_list;
    CXTButton m_btnAddFile;
    CXTButton m_btnAddDomino;
    CXTButton m_btnAddFiles;
    CXTButton m_btnRemove;
    CXTButton m_btnRemoveAll;
    OptionButton m_optSingle;
    OptionButton m_optMultiple;
    CBrush m_whiteBrush;
    int m_nOption = 2;
    int m_nLayoutMode = 0;
    ShellImageList m_shellImages;
    NsfDatabaseList m_databases;
};
