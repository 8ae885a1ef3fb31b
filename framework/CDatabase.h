#pragma once
// A connection to a data source through the ODBC API. Failures of opening and
// of statements are thrown as CDBException* carrying the driver's diagnostics.

#include "CObject.h"
#include "CString.h"

#include <sql.h>

class CDatabase : public CObject
{
    DECLARE_DYNAMIC(CDatabase)
public:
    enum DbOpenOptions : DWORD
    {
        openExclusive = 0x0001,
        openReadOnly = 0x0002,
        useCursorLib = 0x0004,
        noOdbcDialog = 0x0008,
        forceOdbcDialog = 0x0010,
    };

    CDatabase() = default;
    ~CDatabase() override;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Connects with a full connection string; no dialog is shown unless
    // forceOdbcDialog asks for the driver's own.
    virtual BOOL OpenEx(LPCWSTR lpszConnectString, DWORD dwOptions = 0);
    virtual void Close();
    BOOL IsOpen() const { return m_hdbc != SQL_NULL_HDBC; }
    const CString& GetConnect() const { return m_strConnect; }

    // Runs a statement that yields no rows.
    void ExecuteSQL(LPCWSTR lpszSQL);

    // Groups the following statements into one transaction; CommitTrans makes
    // them permanent (throws CDBException when the driver cannot), Rollback
    // undoes them. Both return to committing every statement on its own.
    BOOL BeginTrans();
    BOOL CommitTrans();
    BOOL Rollback();

    SQLHDBC m_hdbc = SQL_NULL_HDBC;

private:
    void FreeHandles();

    SQLHENV m_henv = SQL_NULL_HENV;
    CString m_strConnect;
    bool m_transaction = false;
};
