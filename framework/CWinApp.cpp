#include "CWinApp.h"

#include <shellapi.h>

#include <memory>

#include "CCommandLineInfo.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "CRecentFileList.h"
#include "CWnd.h"

namespace {

CWinApp* g_pApp = nullptr;

// Registry values are read whole; strings are stored with their zero.
bool QueryValue(HKEY hKey, LPCTSTR lpszEntry, DWORD& dwType, std::vector<BYTE>& data)
{
    DWORD cb = 0;
    if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS)
        return false;
    data.resize(cb);
    if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, cb ? data.data() : nullptr, &cb) != ERROR_SUCCESS)
        return false;
    data.resize(cb);
    return true;
}

// Closes a registry key when the scope ends.
struct KeyCloser {
    void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using KeyHolder = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    // The program has one; the newest one counts when tests make several.
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    delete m_pRecentFileList;
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

LPCTSTR AfxGetAppName()
{
    return g_pApp != nullptr ? g_pApp->m_pszAppName : nullptr;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_nThreadID = ::GetCurrentThreadId();
    AfxHookMessageFilter();
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!pApp->InitApplication() || !pApp->InitInstance()) {
        if (CWnd* pMainWnd = pApp->m_pMainWnd)
            pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

// The program's entry point: the application object was built by a static
// initialiser; the command line is taken in UTF-16 from the system.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow)
{
    LPWSTR lpCmdLine = ::GetCommandLineW();
    // Skip the program name (quoted or not) and the blanks after it.
    if (*lpCmdLine == L'"') {
        ++lpCmdLine;
        while (*lpCmdLine != 0 && *lpCmdLine != L'"')
            ++lpCmdLine;
        if (*lpCmdLine == L'"')
            ++lpCmdLine;
    } else {
        while (*lpCmdLine > L' ')
            ++lpCmdLine;
    }
    while (*lpCmdLine != 0 && *lpCmdLine <= L' ')
        ++lpCmdLine;
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

BOOL CWinApp::InitApplication()
{
    if (m_hInstance == nullptr)
        m_hInstance = AfxGetInstanceHandle();
    wchar_t path[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(m_hInstance, path, MAX_PATH);
    CString exeName(path, static_cast<int>(n));
    int slash = exeName.ReverseFind(L'\\');
    exeName = exeName.Mid(slash + 1);
    int dot = exeName.ReverseFind(L'.');
    if (dot >= 0)
        exeName = exeName.Left(dot);
    m_strExeName = exeName;
    m_pszExeName = m_strExeName;
    if (m_pszAppName == nullptr) {
        if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE))
            m_strAppName = m_strExeName;
        m_pszAppName = m_strAppName;
    }
    if (m_pszProfileName == nullptr) {
        // Without a registry key the profile is <program>.INI beside Windows.
        m_strProfileName = m_strExeName + L".INI";
        m_pszProfileName = m_strProfileName;
    }
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0);   // nothing to run a loop for
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_ABORTRETRYIGNORE:
        case MB_RETRYCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    AfxHookMessageFilter();
    HWND hWndTop = nullptr;
    CWnd* pOwner = CWnd::GetSafeOwner(nullptr, &hWndTop);
    return ::MessageBoxW(pOwner->GetSafeHwnd(), lpszPrompt, m_pszAppName, nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    AfxHookMessageFilter();
    return ::MessageBoxW(nullptr, lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

void AfxEnableControlContainer() {}

BOOL AfxInitRichEdit()
{
    return ::LoadLibraryW(L"riched32.dll") != nullptr;
}

BOOL AfxInitRichEdit2()
{
    // Registers the RichEdit20W window class for dialog templates and Create.
    return ::LoadLibraryW(L"riched20.dll") != nullptr;
}

BOOL AfxSocketInit(WSAData*)
{
    return TRUE;
}

// ---- profile ----------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    // The profile now lives in the registry under the application's name.
    m_strProfileName = m_pszAppName != nullptr ? m_pszAppName : L"";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    CString path = CString(L"Software\\") + m_pszRegistryKey + L"\\" + m_pszProfileName;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    KeyHolder appKey(GetAppRegistryKey());
    if (!appKey)
        return nullptr;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(appKey.get(), lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    KeyHolder key(GetSectionKey(lpszSection));
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (!key || !QueryValue(key.get(), lpszEntry, dwType, data) || dwType != REG_DWORD || data.size() != sizeof(DWORD))
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    memcpy(&value, data.data(), sizeof(value));
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        wchar_t text[16];
        swprintf(text, 16, L"%d", nValue);
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    KeyHolder key(GetSectionKey(lpszSection));
    DWORD value = static_cast<DWORD>(nValue);
    return key && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof(value)) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault = lpszDefault != nullptr ? lpszDefault : L"";
    if (m_pszRegistryKey == nullptr) {
        std::vector<wchar_t> buffer(4096);
        for (;;) {
            DWORD n = ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault, buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), m_pszProfileName);
            if (n + 1 < buffer.size())
                return CString(buffer.data(), static_cast<int>(n));
            buffer.resize(buffer.size() * 2);
        }
    }
    KeyHolder key(GetSectionKey(lpszSection));
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (!key || !QueryValue(key.get(), lpszEntry, dwType, data) || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return strDefault;
    size_t nChars = data.size() / sizeof(wchar_t);
    auto* text = reinterpret_cast<const wchar_t*>(data.data());
    while (nChars > 0 && text[nChars - 1] == 0)
        --nChars;
    return CString(text, static_cast<int>(nChars));
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == nullptr) {
        KeyHolder appKey(GetAppRegistryKey());
        return appKey && ::RegDeleteTreeW(appKey.get(), lpszSection) == ERROR_SUCCESS;
    }
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    if (lpszValue == nullptr) {
        LONG result = ::RegDeleteValueW(key.get(), lpszEntry);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    DWORD cb = static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.get(), lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue), cb)
           == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr) {
        // In an INI file each byte is two letters 'A'..'P', low nibble first.
        CString text = GetProfileString(lpszSection, lpszEntry, nullptr);
        std::vector<BYTE> bytes;
        for (int i = 0; i + 1 < text.GetLength(); i += 2) {
            wchar_t low = text[i];
            wchar_t high = text[i + 1];
            if (low < L'A' || low > L'P' || high < L'A' || high > L'P')
                return FALSE;   // not written by WriteProfileBinary
            bytes.push_back(static_cast<BYTE>(((high - L'A') << 4) | (low - L'A')));
        }
        if (bytes.empty() || text.GetLength() % 2 != 0)
            return FALSE;
        *ppData = new BYTE[bytes.size()];
        memcpy(*ppData, bytes.data(), bytes.size());
        *pBytes = static_cast<UINT>(bytes.size());
        return TRUE;
    }
    KeyHolder key(GetSectionKey(lpszSection));
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (!key || !QueryValue(key.get(), lpszEntry, dwType, data) || dwType != REG_BINARY)
        return FALSE;
    *ppData = new BYTE[data.size()];
    if (!data.empty())
        memcpy(*ppData, data.data(), data.size());
    *pBytes = static_cast<UINT>(data.size());
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr) {
        CString text;
        for (UINT i = 0; i < nBytes; ++i) {
            text += static_cast<wchar_t>(L'A' + (pData[i] & 0x0F));
            text += static_cast<wchar_t>(L'A' + ((pData[i] >> 4) & 0x0F));
        }
        return WriteProfileString(lpszSection, lpszEntry, text);
    }
    KeyHolder key(GetSectionKey(lpszSection));
    return key && ::RegSetValueExW(key.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU == 0 || m_pRecentFileList != nullptr)
        return;
    m_pRecentFileList = new CRecentFileList(0, L"Recent File List", L"File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

// ---- documents --------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templates.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templates.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    auto index = reinterpret_cast<UINT_PTR>(pos) - 1;
    CDocTemplate* pTemplate = m_templates[index];
    pos = index + 1 < m_templates.size() ? reinterpret_cast<POSITION>(index + 2) : nullptr;
    return pTemplate;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (m_templates.empty())
        return nullptr;
    return m_templates.front()->OpenDocumentFile(lpszFileName);
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* pTemplate : m_templates) {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* pTemplate : m_templates)
        pTemplate->CloseAllDocuments(bEndSession);
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    wchar_t path[MAX_PATH] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = AfxGetMainWnd()->GetSafeHwnd();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFilter = L"All Files (*.*)\0*.*\0";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    AfxHookMessageFilter();
    if (::GetOpenFileNameW(&ofn))
        OpenDocumentFile(path);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr)
        return;
    for (int i = 1; i < argc; ++i) {
        const wchar_t* pszParam = argv[i];
        BOOL bFlag = pszParam[0] == L'-' || pszParam[0] == L'/';
        if (bFlag)
            ++pszParam;
        rCmdInfo.ParseParam(pszParam, bFlag, i == argc - 1);
    }
    ::LocalFree(argv);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        // Through the command route, so a program's own ID_FILE_NEW handler runs.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    default:
        return FALSE;
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxGetResourceHandle(), lpszResourceName);
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconW(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorW(nullptr, lpszCursorName);
}
