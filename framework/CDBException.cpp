#include "CDBException.h"

#include <sqlext.h>

IMPLEMENT_DYNAMIC(CDBException, CException)

CDBException::CDBException(RETCODE nRetCode)
    : m_nRetCode(nRetCode)
{
}

void CDBException::BuildErrorString(SQLHDBC hdbc, SQLHSTMT hstmt)
{
    SQLSMALLINT type = hstmt ? SQL_HANDLE_STMT : SQL_HANDLE_DBC;
    SQLHANDLE handle = hstmt ? static_cast<SQLHANDLE>(hstmt) : static_cast<SQLHANDLE>(hdbc);
    if (!handle)
        return;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(SQLGetDiagRecW(type, handle, record, state, &native, nullptr, 0, &length)))
            break;
        CString message;
        SQLGetDiagRecW(type, handle, record, state, &native,
                       reinterpret_cast<SQLWCHAR*>(message.GetBuffer(length)), static_cast<SQLSMALLINT>(length + 1), &length);
        message.ReleaseBuffer();
        // The leading bracketed parts name the components the message came from.
        int end = 0;
        while (end < message.GetLength() && message[end] == L'[') {
            int close = message.Find(L']', end);
            if (close < 0)
                break;
            end = close + 1;
        }
        CString line;
        line.Format(L"State:%s,Native:%ld,Origin:%s\n", reinterpret_cast<LPCWSTR>(state), static_cast<long>(native),
                    message.Left(end).GetString());
        m_strStateNativeOrigin += line;
        m_strError += message.Mid(end) + L"\n";
    }
}

CString CDBException::GetMessageText() const
{
    if (!m_strError.IsEmpty())
        return CString(m_strError).TrimRight();
    if (m_nRetCode == SQL_INVALID_HANDLE)
        return L"A database operation was given an invalid handle.";
    return L"A database operation failed.";
}

void AfxThrowDBException(RETCODE nRetCode, SQLHDBC hdbc, SQLHSTMT hstmt)
{
    auto* e = new CDBException(nRetCode);
    e->BuildErrorString(hdbc, hstmt);
    throw e;
}
