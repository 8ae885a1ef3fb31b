#pragma once
// The rows of one query on an open CDatabase, read forward one record at a
// time with the field values as text. Failures throw CDBException*.

#include "CDatabase.h"

#include <vector>

class CODBCFieldInfo
{
public:
    CString m_strName;
    SQLSMALLINT m_nSQLType = 0;
    SQLULEN m_nPrecision = 0;
    SQLSMALLINT m_nScale = 0;
    SQLSMALLINT m_nNullability = 0;
};

class CRecordset : public CObject
{
    DECLARE_DYNAMIC(CRecordset)
public:
    enum OpenType : UINT
    {
        dynaset,
        snapshot,
        forwardOnly,
        dynamic,
    };
    enum OpenOptions : DWORD
    {
        none = 0,
        readOnly = 0x0004,
    };

    explicit CRecordset(CDatabase* pDatabase = nullptr) : m_pDatabase(pDatabase) {}
    ~CRecordset() override;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the query and moves to the first record. Every open type reads
    // forward; snapshot and the others are accepted as such.
    virtual BOOL Open(UINT nOpenType = snapshot, LPCWSTR lpszSQL = nullptr, DWORD dwOptions = none);
    virtual void Close();
    BOOL IsOpen() const { return m_hstmt != SQL_NULL_HSTMT; }
    BOOL IsBOF() const { return m_bBOF; }
    BOOL IsEOF() const { return m_bEOF; }
    void MoveNext();

    short GetODBCFieldCount() const { return static_cast<short>(m_fields.size()); }
    void GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo) const;
    // The value of a field of the current record (0-based index, or the
    // column name); an empty text for NULL.
    void GetFieldValue(short nIndex, CString& strValue);
    void GetFieldValue(LPCWSTR lpszName, CString& strValue);

    CDatabase* m_pDatabase;
    SQLHSTMT m_hstmt = SQL_NULL_HSTMT;

private:
    [[noreturn]] void ThrowError(SQLRETURN rc);
    [[noreturn]] static void ThrowMessage(LPCWSTR message);
    void Fetch();

    std::vector<CODBCFieldInfo> m_fields;
    BOOL m_bBOF = TRUE;
    BOOL m_bEOF = TRUE;
};
