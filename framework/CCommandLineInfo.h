#pragma once
// What the command line asks the program to do at start.
#include "CObject.h"
#include "CString.h"

class CCommandLineInfo : public CObject {
public:
    CCommandLineInfo() = default;

    // Called for each argument; bFlag when it started with '-' or '/' (the
    // marker is removed), bLast for the last one.
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast);

    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 }
        m_nShellCommand = FileNew;
    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;
};
