#pragma once

#include "CException.h"

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCWSTR lpszArchiveName = nullptr);

    int m_cause;
    CString m_strFileName;

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCWSTR lpszArchiveName = nullptr);
