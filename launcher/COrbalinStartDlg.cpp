#include "COrbalinStartDlg.h"

#include "CAboutDlg.h"
#include "CNotesPathHelper.h"
#include "ShowMessage.h"
#include "resource.h"

#include <cstdlib>
#include <io.h>

namespace {
const wchar_t kNotInstalled[] =
    L"Lotus Notes is not installed on this computer. In order to successfully convert the Lotus Notes .NSF file "
    L"to Outlook .PST file, you must have Lotus Notes installed on your computer.\r\n\r\n Please install Lotus "
    L"Notes and restart Orbalin again.";
const wchar_t kNoInstallFound[] =
    L"Lotus Noetes is not installed on this compuer. In order to successfully convert the Lotus Notes .NSF file "
    L"to Outlook .PST file, you must have Lotus Notes installed on your computer.\r\n\r\n Please install Lotus "
    L"Notes and restart Orbalin again.";
const wchar_t kComponentMissing[] = L"Required component is missing , Please reinstall software.";
}  // namespace

COrbalinStartDlg::COrbalinStartDlg(CWnd* pParent) : CDialog(IDD_ORBALINSTART_DIALOG, pParent)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

BEGIN_MESSAGE_MAP(COrbalinStartDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
END_MESSAGE_MAP()

BOOL COrbalinStartDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    const CString strProgram = MainProgramPath();
    CNotesPathHelper helper;
    CString strNotesDir;
    bool bFound = true;
    if (!helper.ReadNotesPath(strNotesDir)) {
        ShowMessage(kNotInstalled, MB_OK);
        bFound = false;
    } else if (!strNotesDir.IsEmpty()) {
        helper.AddDirToPath(strNotesDir);
    } else if (!helper.EnumNotesInstalls()) {
        ShowMessage(kNoInstallFound, MB_OK);
        bFound = false;
    }
    if (bFound) {
        if (_waccess(strProgram, 0) == 0)
            StartMainProgram(strProgram);
        else
            ShowMessage(kComponentMissing, MB_OK);
    }

    EndDialog(0);
    std::exit(0);
}

// Orbalin.exe in the current directory (the shortcut's working folder), which
// need not be the launcher's own folder.
CString COrbalinStartDlg::MainProgramPath()
{
    CString strDir;
    // The directory may be longer than MAX_PATH; ask for its size until it fits.
    DWORD nSize = MAX_PATH;
    for (;;) {
        const DWORD nLength = ::GetCurrentDirectoryW(nSize, strDir.GetBuffer(static_cast<int>(nSize)));
        if (nLength < nSize) {
            strDir.ReleaseBuffer(static_cast<int>(nLength));
            break;
        }
        strDir.ReleaseBuffer(0);
        nSize = nLength;
    }
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != L'\\')
        strDir += L'\\';
    strDir += L"Orbalin.exe";
    return strDir;
}

// Orbalin inherits this process's environment, so it sees the extended PATH.
// The shell shows nothing when the start fails, so the launcher says why.
void COrbalinStartDlg::StartMainProgram(const CString& strProgram)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = strProgram;
    info.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&info))
        ShowSystemError(strProgram, ::GetLastError());
}

void COrbalinStartDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void COrbalinStartDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (rect.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

LRESULT COrbalinStartDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}
