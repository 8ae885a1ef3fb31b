#include "SaveOptionsDialog.h"

#include "ToolkitLookData.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(SaveOptionsDialog, CDialog)
    ON_BN_CLICKED(IDC_SAVE_IN_PST, OnSaveInPst)
    ON_BN_CLICKED(IDC_SAVE_IN_EXCEL, OnSaveInExcel)
    ON_BN_CLICKED(IDC_SAVE_IN_CSV, OnSaveInCsv)
    ON_BN_CLICKED(IDC_SAVE_NEW_PST, OnNewPst)
    ON_BN_CLICKED(IDC_SAVE_EXISTING_PST_CHOICE, OnExistingPst)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {
const wchar_t kValidNameAndPath[] = L"Please provide valid file name and path";
const wchar_t kAlreadyExists[] = L"File already exist , please provide different file name";
const wchar_t kTooLarge[] = L"File name is too large to process, please provide different file name";
const int kEditIds[] = {IDC_SAVE_PST_FOLDER, IDC_SAVE_PST_NAME, IDC_SAVE_EXISTING_PST, IDC_SAVE_EXCEL_FOLDER,
                        IDC_SAVE_EXCEL_NAME, IDC_SAVE_CSV_FOLDER, IDC_SAVE_CSV_NAME};

CString WithBackslash(CString folder)
{
    if (folder.Right(1) != L"\\")
        folder += L"\\";
    return folder;
}

// The platform cannot open a path of MAX_PATH characters or more (the terminating
// zero counts), so such a path is refused here rather than failing in the save.
bool TooLong(const CString& path) { return path.GetLength() >= MAX_PATH; }
}  // namespace

SaveOptionsDialog::SaveOptionsDialog(CWnd* pParent) : CDialog(IDD_SAVE_OPTIONS, pParent)
{
    m_whiteBrush.CreateSolidBrush(RGB(255, 255, 255));
}

void SaveOptionsDialog::SetSource(const CString& databasePath, const CString& server)
{
    m_strDatabasePath = databasePath;
    m_strServer = server;
}

bool SaveOptionsDialog::AskInto(SettingsRecord& settings, CWnd* pParent)
{
    SaveOptionsDialog dialog(pParent);
    dialog.SetSource(settings.m_strDatabasePath, settings.m_strServer);
    if (dialog.DoModal() != IDOK)
        return false;
    settings.m_target = dialog.m_target;
    settings.m_bSingleFile = dialog.m_bSingleFile;
    return true;
}

bool SaveOptionsDialog::IsValidFileName(const CString& name)
{
    return name.FindOneOf(L"\\/:*?\"<>|") < 0;
}

bool SaveOptionsDialog::PathExists(const CString& path)
{
    return !path.IsEmpty() && ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

CString SaveOptionsDialog::InformationText(const CString& databasePath, const CString& server)
{
    CString text = L"Saving file :" + databasePath + L"\r\n";
    if (!server.IsEmpty())
        text += L"Domain Name : " + server;
    return text;
}

CString SaveOptionsDialog::ValidateSaveOptions(const SaveOptionsInput& in, SaveTarget& target, BYTE& singleFile)
{
    SaveTarget result;
    switch (in.nKind) {
    case SaveTarget::Pst:
        if (in.bExistingPst) {
            const CString& path = in.strExistingPst;
            if (!PathExists(path))
                return L"Please provide valid file path";
            CString upper = path;
            upper.MakeUpper();
            if (upper.Find(L".PST") < 1)
                return L"Please provide file path";
            if (TooLong(path))
                return kTooLarge;
            result.nPstMode = SaveTarget::ExistingPst;
            result.strPstPath = path;
        } else {
            if (!IsValidFileName(in.strPstName) || !PathExists(in.strPstFolder))
                return kValidNameAndPath;
            const CString path = WithBackslash(in.strPstFolder) + in.strPstName + L".pst";
            if (PathExists(path))
                return kAlreadyExists;
            if (in.strPstName.IsEmpty())
                return L"Please provide pst file name";
            if (TooLong(path))
                return kTooLarge;
            result.nPstMode = SaveTarget::NewPst;
            result.strPstPath = path;
        }
        result.nKind = SaveTarget::Pst;
        break;
    case SaveTarget::Excel: {
        if (!IsValidFileName(in.strExcelName) || !PathExists(in.strExcelFolder))
            return kValidNameAndPath;
        if (in.strExcelName.IsEmpty())
            return L"Please provide excel file name";
        const CString path = WithBackslash(in.strExcelFolder) + in.strExcelName + L".xls";
        if (PathExists(path))
            return kAlreadyExists;
        if (TooLong(path))
            return kTooLarge;
        result.nKind = SaveTarget::Excel;
        result.strExcelPath = path;
        break;
    }
    default: {
        if (!IsValidFileName(in.strCsvName) || !PathExists(in.strCsvFolder))
            return kValidNameAndPath;
        // A nameless ".csv" would be written like any other name; refused as the
        // other targets refuse theirs.
        if (in.strCsvName.IsEmpty())
            return L"Please provide csv file name";
        const CString path = WithBackslash(in.strCsvFolder) + in.strCsvName + L".csv";
        if (TooLong(path))
            return kTooLarge;
        result.nKind = SaveTarget::Csv;
        result.strCsvPath = path;
        break;
    }
    }
    target = result;
    singleFile = in.bSingleFile ? 1 : 0;
    return CString();
}

void SaveOptionsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SAVE_PST_FOLDER, m_pstFolder);
    DDX_Control(pDX, IDC_SAVE_EXISTING_PST, m_existingPst);
    DDX_Control(pDX, IDC_SAVE_EXCEL_FOLDER, m_excelFolder);
    DDX_Control(pDX, IDC_SAVE_CSV_FOLDER, m_csvFolder);
}

BOOL SaveOptionsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (CXTBrowseEdit* pFolder : {&m_pstFolder, &m_excelFolder, &m_csvFolder})
        pFolder->PrepareBrowseEdit(this, CXTBrowseEdit::BrowseFolder);
    m_existingPst.SetFilter(L"PST File(*.pst)|*.pst||");
    m_existingPst.PrepareBrowseEdit(this, CXTBrowseEdit::BrowseFile);
    CheckDlgButton(IDC_SAVE_IN_PST, BST_CHECKED);
    CheckDlgButton(IDC_SAVE_NEW_PST, BST_CHECKED);
    CheckDlgButton(IDC_SAVE_IN_EXCEL, BST_UNCHECKED);
    CheckDlgButton(IDC_SAVE_EXISTING_PST_CHOICE, BST_UNCHECKED);
    EnableEdits({IDC_SAVE_PST_FOLDER, IDC_SAVE_PST_NAME});
    for (int id : {IDC_SAVE_IN_PST, IDC_SAVE_IN_EXCEL, IDC_SAVE_IN_CSV, IDC_SAVE_SINGLE_FILE})
        if (CWnd* pButton = GetDlgItem(id))
            pButton->SetFont(&ToolkitLookData().fontNormal);
    SetDlgItemText(IDC_SAVE_INFO, InformationText(m_strDatabasePath, m_strServer));
    return TRUE;
}

void SaveOptionsDialog::EnableEdits(std::initializer_list<int> ids)
{
    for (int id : kEditIds)
        if (CWnd* pEdit = GetDlgItem(id))
            pEdit->EnableWindow(std::find(ids.begin(), ids.end(), id) != ids.end());
}

void SaveOptionsDialog::CheckTarget(int nButton)
{
    for (int id : {IDC_SAVE_IN_PST, IDC_SAVE_IN_EXCEL, IDC_SAVE_IN_CSV})
        CheckDlgButton(id, id == nButton ? BST_CHECKED : BST_UNCHECKED);
    const BOOL bPst = nButton == IDC_SAVE_IN_PST;
    for (int id : {IDC_SAVE_NEW_PST, IDC_SAVE_EXISTING_PST_CHOICE})
        if (CWnd* pButton = GetDlgItem(id))
            pButton->EnableWindow(bPst);
}

void SaveOptionsDialog::OnSaveInPst()
{
    CheckTarget(IDC_SAVE_IN_PST);
    if (IsDlgButtonChecked(IDC_SAVE_NEW_PST) == BST_CHECKED)
        EnableEdits({IDC_SAVE_PST_FOLDER, IDC_SAVE_PST_NAME});
    else
        EnableEdits({IDC_SAVE_EXISTING_PST});
}

void SaveOptionsDialog::OnSaveInExcel()
{
    CheckTarget(IDC_SAVE_IN_EXCEL);
    EnableEdits({IDC_SAVE_EXCEL_FOLDER, IDC_SAVE_EXCEL_NAME});
}

void SaveOptionsDialog::OnSaveInCsv()
{
    CheckTarget(IDC_SAVE_IN_CSV);
    EnableEdits({IDC_SAVE_CSV_FOLDER, IDC_SAVE_CSV_NAME});
}

void SaveOptionsDialog::OnNewPst()
{
    CheckDlgButton(IDC_SAVE_NEW_PST, BST_CHECKED);
    CheckDlgButton(IDC_SAVE_EXISTING_PST_CHOICE, BST_UNCHECKED);
    EnableEdits({IDC_SAVE_PST_FOLDER, IDC_SAVE_PST_NAME});
}

void SaveOptionsDialog::OnExistingPst()
{
    CheckDlgButton(IDC_SAVE_NEW_PST, BST_UNCHECKED);
    CheckDlgButton(IDC_SAVE_EXISTING_PST_CHOICE, BST_CHECKED);
    EnableEdits({IDC_SAVE_EXISTING_PST});
}

SaveOptionsInput SaveOptionsDialog::ReadInput() const
{
    SaveOptionsInput in;
    if (IsDlgButtonChecked(IDC_SAVE_IN_EXCEL) == BST_CHECKED)
        in.nKind = SaveTarget::Excel;
    else if (IsDlgButtonChecked(IDC_SAVE_IN_CSV) == BST_CHECKED)
        in.nKind = SaveTarget::Csv;
    in.bExistingPst = IsDlgButtonChecked(IDC_SAVE_EXISTING_PST_CHOICE) == BST_CHECKED;
    GetDlgItemText(IDC_SAVE_EXISTING_PST, in.strExistingPst);
    GetDlgItemText(IDC_SAVE_PST_FOLDER, in.strPstFolder);
    GetDlgItemText(IDC_SAVE_PST_NAME, in.strPstName);
    GetDlgItemText(IDC_SAVE_EXCEL_FOLDER, in.strExcelFolder);
    GetDlgItemText(IDC_SAVE_EXCEL_NAME, in.strExcelName);
    GetDlgItemText(IDC_SAVE_CSV_FOLDER, in.strCsvFolder);
    GetDlgItemText(IDC_SAVE_CSV_NAME, in.strCsvName);
    in.bSingleFile = IsDlgButtonChecked(IDC_SAVE_SINGLE_FILE) == BST_CHECKED;
    return in;
}

void SaveOptionsDialog::OnOK()
{
    const CString message = ValidateSaveOptions(ReadInput(), m_target, m_bSingleFile);
    if (!message.IsEmpty()) {
        AfxMessageBox(message, MB_OK);
        return;
    }
    CDialog::OnOK();
}

HBRUSH SaveOptionsDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const int id = pWnd != nullptr ? pWnd->GetDlgCtrlID() : 0;
    if (id == 100) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetBkColor(RGB(255, 255, 255));
    } else if (id == IDC_SAVE_SINGLE_FILE) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 255));
    }
    switch (nCtlColor) {
    case CTLCOLOR_MSGBOX:
    case CTLCOLOR_BTN:
    case CTLCOLOR_DLG:
    case CTLCOLOR_STATIC:
        return static_cast<HBRUSH>(m_whiteBrush.GetSafeHandle());
    default:
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}
