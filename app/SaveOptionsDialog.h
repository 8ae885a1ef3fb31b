#pragma once
#include "CXTBrowseEdit.h"
#include "Framework.h"
#include "SettingsRecord.h"

// What the user typed and chose in the Save Options dialog.
struct SaveOptionsInput {
    int nKind = SaveTarget::Pst;
    bool bExistingPst = false;
    CString strExistingPst;        // 1002
    CString strPstFolder;          // 1000
    CString strPstName;            // 1001
    CString strExcelFolder;        // 1003
    CString strExcelName;          // 1004
    CString strCsvFolder;          // 1007
    CString strCsvName;            // 1008
    bool bSingleFile = false;      // 1027
};

// Dialog 185: asks for the target of one save and writes it into the settings.
class SaveOptionsDialog : public CDialog {
public:
    explicit SaveOptionsDialog(CWnd* pParent = nullptr);

    // Names the database for the information text.
    void SetSource(const CString& databasePath, const CString& server);

    // Runs the dialog for the settings' database; on OK the chosen target and
    // single-file choice go into the settings. False when the user cancelled.
    static bool AskInto(SettingsRecord& settings, CWnd* pParent);

    // Checks the input; on success fills target and single-file flag and answers an
    // empty text, otherwise the message for the user (nothing is filled).
    static CString ValidateSaveOptions(const SaveOptionsInput& input, SaveTarget& target, BYTE& singleFile);
    // A file name holds none of \ / : * ? " < > |.
    static bool IsValidFileName(const CString& name);
    static bool PathExists(const CString& path);
    // The information text shown above the choices.
    static CString InformationText(const CString& databasePath, const CString& server);

    // Written on OK.
    SaveTarget m_target;
    BYTE m_bSingleFile = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSaveInPst();
    afx_msg void OnSaveInExcel();
    afx_msg void OnSaveInCsv();
    afx_msg void OnNewPst();
    afx_msg void OnExistingPst();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    void CheckTarget(int nButton);
    void EnableEdits(std::initializer_list<int> ids);
    SaveOptionsInput ReadInput() const;

    CString m_strDatabasePath;
    CString m_strServer;
    CBrush m_whiteBrush;
    CXTBrowseEdit m_pstFolder;
    CXTBrowseEdit m_existingPst;
    CXTBrowseEdit m_excelFolder;
    CXTBrowseEdit m_csvFolder;
};
