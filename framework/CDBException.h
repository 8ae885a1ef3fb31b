#pragma once

#include "CException.h"

#include <sql.h>

// Failure of an ODBC call, with the driver's diagnostics.
class CDBException : public CException
{
    DECLARE_DYNAMIC(CDBException)
public:
    explicit CDBException(RETCODE nRetCode = SQL_SUCCESS);

    // Fills m_strError and m_strStateNativeOrigin from the diagnostic records
    // of the statement, or of the connection when there is no statement.
    void BuildErrorString(SQLHDBC hdbc, SQLHSTMT hstmt);

    RETCODE m_nRetCode;
    CString m_strError;             // one message per line
    CString m_strStateNativeOrigin; // "State:...,Native:...,Origin:..." per line

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowDBException(RETCODE nRetCode, SQLHDBC hdbc, SQLHSTMT hstmt);
