#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL)
{
    if (bFlag) {
        CString flag(pszParam);
        if (flag.CompareNoCase(L"Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (flag.CompareNoCase(L"Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        } else if (flag.CompareNoCase(L"p") == 0) {
            m_nShellCommand = FilePrint;
        } else if (flag.CompareNoCase(L"Register") == 0 || flag.CompareNoCase(L"Regserver") == 0) {
            m_nShellCommand = AppRegister;
        } else if (flag.CompareNoCase(L"Unregister") == 0 || flag.CompareNoCase(L"Unregserver") == 0) {
            m_nShellCommand = AppUnregister;
        }
        return;
    }
    if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    }
}
