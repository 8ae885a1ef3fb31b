#include "CDatabase.h"

#include "CDBException.h"

#include <sqlext.h>

IMPLEMENT_DYNAMIC(CDatabase, CObject)

CDatabase::~CDatabase()
{
    Close();
}

BOOL CDatabase::OpenEx(LPCWSTR lpszConnectString, DWORD dwOptions)
{
    Close();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_henv)))
        AfxThrowDBException(SQL_ERROR, SQL_NULL_HDBC, SQL_NULL_HSTMT);
    SQLSetEnvAttr(m_henv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_henv, &m_hdbc))) {
        FreeHandles();
        AfxThrowDBException(SQL_ERROR, SQL_NULL_HDBC, SQL_NULL_HSTMT);
    }
    const SQLUSMALLINT completion = (dwOptions & forceOdbcDialog) ? SQL_DRIVER_PROMPT : SQL_DRIVER_NOPROMPT;
    SQLWCHAR completed[1024] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLDriverConnectW(m_hdbc, nullptr,
                                           reinterpret_cast<SQLWCHAR*>(const_cast<LPWSTR>(lpszConnectString)), SQL_NTS,
                                           completed, SQLSMALLINT(std::size(completed)), &length, completion);
    if (!SQL_SUCCEEDED(rc)) {
        auto* e = new CDBException(rc);
        e->BuildErrorString(m_hdbc, SQL_NULL_HSTMT);
        FreeHandles();
        throw e;
    }
    m_strConnect = reinterpret_cast<LPCWSTR>(completed);
    return TRUE;
}

void CDatabase::Close()
{
    if (m_hdbc == SQL_NULL_HDBC)
        return;
    if (m_transaction)
        Rollback();
    SQLDisconnect(m_hdbc);
    FreeHandles();
}

void CDatabase::FreeHandles()
{
    if (m_hdbc != SQL_NULL_HDBC)
        SQLFreeHandle(SQL_HANDLE_DBC, m_hdbc);
    if (m_henv != SQL_NULL_HENV)
        SQLFreeHandle(SQL_HANDLE_ENV, m_henv);
    m_hdbc = SQL_NULL_HDBC;
    m_henv = SQL_NULL_HENV;
    m_transaction = false;
    m_strConnect.Empty();
}

void CDatabase::ExecuteSQL(LPCWSTR lpszSQL)
{
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_hdbc, &hstmt)))
        AfxThrowDBException(SQL_ERROR, m_hdbc, SQL_NULL_HSTMT);
    const SQLRETURN rc = SQLExecDirectW(hstmt, reinterpret_cast<SQLWCHAR*>(const_cast<LPWSTR>(lpszSQL)), SQL_NTS);
    if (!SQL_SUCCEEDED(rc)) {
        auto* e = new CDBException(rc);
        e->BuildErrorString(m_hdbc, hstmt);
        SQLFreeHandle(SQL_HANDLE_STMT, hstmt);
        throw e;
    }
    SQLFreeHandle(SQL_HANDLE_STMT, hstmt);
}

BOOL CDatabase::BeginTrans()
{
    if (!IsOpen() || m_transaction)
        return FALSE;
    if (!SQL_SUCCEEDED(SQLSetConnectAttrW(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0)))
        return FALSE;
    m_transaction = true;
    return TRUE;
}

BOOL CDatabase::CommitTrans()
{
    if (!m_transaction)
        return FALSE;
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_COMMIT);
    if (!SQL_SUCCEEDED(rc)) {
        // The transaction cannot stay half-open: undo it, then report.
        auto* e = new CDBException(rc);
        e->BuildErrorString(m_hdbc, SQL_NULL_HSTMT);
        Rollback();
        throw e;
    }
    m_transaction = false;
    SQLSetConnectAttrW(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    return TRUE;
}

BOOL CDatabase::Rollback()
{
    if (!m_transaction)
        return FALSE;
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK);
    m_transaction = false;
    SQLSetConnectAttrW(m_hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    return SQL_SUCCEEDED(rc);
}
