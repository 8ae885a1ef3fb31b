#include "CRecordset.h"

#include "CDBException.h"

#include <sqlext.h>

IMPLEMENT_DYNAMIC(CRecordset, CObject)

CRecordset::~CRecordset()
{
    Close();
}

void CRecordset::ThrowError(SQLRETURN rc)
{
    auto* e = new CDBException(rc);
    e->BuildErrorString(m_pDatabase ? m_pDatabase->m_hdbc : SQL_NULL_HDBC, m_hstmt);
    throw e;
}

void CRecordset::ThrowMessage(LPCWSTR message)
{
    auto* e = new CDBException(SQL_ERROR);
    e->m_strError = message;
    throw e;
}

BOOL CRecordset::Open(UINT nOpenType, LPCWSTR lpszSQL, DWORD dwOptions)
{
    Close();
    if (!m_pDatabase || !m_pDatabase->IsOpen())
        ThrowMessage(L"The recordset has no open database.");
    if (!lpszSQL)
        ThrowMessage(L"The recordset has no query.");
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_pDatabase->m_hdbc, &m_hstmt))) {
        m_hstmt = SQL_NULL_HSTMT;
        AfxThrowDBException(SQL_ERROR, m_pDatabase->m_hdbc, SQL_NULL_HSTMT);
    }
    try {
        const SQLRETURN rc = SQLExecDirectW(m_hstmt, reinterpret_cast<SQLWCHAR*>(const_cast<LPWSTR>(lpszSQL)), SQL_NTS);
        if (!SQL_SUCCEEDED(rc))
            ThrowError(rc);
        SQLSMALLINT count = 0;
        SQLNumResultCols(m_hstmt, &count);
        for (SQLUSMALLINT column = 1; column <= count; ++column) {
            CODBCFieldInfo info;
            SQLWCHAR name[256] = {};
            SQLSMALLINT nameLength = 0;
            const SQLRETURN described = SQLDescribeColW(m_hstmt, column, name, SQLSMALLINT(std::size(name)), &nameLength,
                                                        &info.m_nSQLType, &info.m_nPrecision, &info.m_nScale,
                                                        &info.m_nNullability);
            if (!SQL_SUCCEEDED(described))
                ThrowError(described);
            if (nameLength >= SQLSMALLINT(std::size(name))) {
                // A long name: ask again with room for all of it.
                std::vector<SQLWCHAR> whole(static_cast<size_t>(nameLength) + 1);
                SQLDescribeColW(m_hstmt, column, whole.data(), SQLSMALLINT(whole.size()), &nameLength, nullptr, nullptr,
                                nullptr, nullptr);
                info.m_strName = reinterpret_cast<LPCWSTR>(whole.data());
            } else {
                info.m_strName = reinterpret_cast<LPCWSTR>(name);
            }
            m_fields.push_back(info);
        }
        m_bBOF = FALSE;
        m_bEOF = FALSE;
        Fetch();
        m_bBOF = m_bEOF;
    } catch (...) {
        Close();
        throw;
    }
    return TRUE;
}

void CRecordset::Close()
{
    if (m_hstmt != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, m_hstmt);
    m_hstmt = SQL_NULL_HSTMT;
    m_fields.clear();
    m_bBOF = TRUE;
    m_bEOF = TRUE;
}

void CRecordset::Fetch()
{
    const SQLRETURN rc = SQLFetch(m_hstmt);
    if (rc == SQL_NO_DATA) {
        m_bEOF = TRUE;
        return;
    }
    if (!SQL_SUCCEEDED(rc))
        ThrowError(rc);
}

void CRecordset::MoveNext()
{
    if (!IsOpen() || m_bEOF)
        ThrowMessage(L"Attempt to move past the end of the recordset.");
    Fetch();
}

void CRecordset::GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo) const
{
    if (nIndex < 0 || nIndex >= GetODBCFieldCount())
        ThrowMessage(L"The field index is out of range.");
    fieldinfo = m_fields[static_cast<size_t>(nIndex)];
}

void CRecordset::GetFieldValue(short nIndex, CString& strValue)
{
    if (!IsOpen() || m_bEOF)
        ThrowMessage(L"There is no current record.");
    if (nIndex < 0 || nIndex >= GetODBCFieldCount())
        ThrowMessage(L"The field index is out of range.");
    strValue.Empty();
    // Long values come in parts: each call fills the buffer and says what is left.
    std::vector<SQLWCHAR> buffer(1024);
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_hstmt, static_cast<SQLUSMALLINT>(nIndex + 1), SQL_C_WCHAR, buffer.data(),
                                        static_cast<SQLLEN>(buffer.size() * sizeof(SQLWCHAR)), &indicator);
        if (rc == SQL_NO_DATA)
            return;
        if (!SQL_SUCCEEDED(rc))
            ThrowError(rc);
        if (indicator == SQL_NULL_DATA)
            return;
        strValue += reinterpret_cast<LPCWSTR>(buffer.data());
        if (rc == SQL_SUCCESS)
            return;
        if (indicator != SQL_NO_TOTAL && indicator > 0)
            buffer.resize(std::max(buffer.size(), static_cast<size_t>(indicator) / sizeof(SQLWCHAR) + 1));
    }
}

void CRecordset::GetFieldValue(LPCWSTR lpszName, CString& strValue)
{
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].m_strName.CompareNoCase(lpszName) == 0) {
            GetFieldValue(static_cast<short>(i), strValue);
            return;
        }
    CString message;
    message.Format(L"The recordset has no field named %s.", lpszName);
    ThrowMessage(message);
}
