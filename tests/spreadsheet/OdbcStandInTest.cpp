// The ODBC path as an application sees it: the installed-driver lookup, the
// driver manager's answers to bad handles and missing drivers, and values
// read in parts.
#include <gtest/gtest.h>

#include <windows.h>
#include <odbcinst.h>
#include <sqlext.h>

#include "CSpreadSheet.h"
#include "SheetFiles.h"

using namespace sheettest;

namespace {

constexpr wchar_t kDriversKey[] = L"Software\\ODBC\\ODBCINST.INI\\ODBC Drivers";

// Takes the Excel driver out of the installer's list for one test.
class DriverUninstalled
{
public:
    explicit DriverUninstalled(const CString& name) : m_name(name)
    {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kDriversKey, name);
    }
    ~DriverUninstalled()
    {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kDriversKey, m_name, REG_SZ, L"Installed", sizeof(L"Installed"));
    }

private:
    CString m_name;
};

} // namespace

TEST(OdbcStandIn, TheInstallerListsAnExcelDriver)
{
    EXPECT_FALSE(InstalledExcelDriver().IsEmpty());
}

TEST(OdbcStandIn, NoDriverInstalledGivesTheDriverNotFoundFailure)
{
    const CString driver = InstalledExcelDriver();
    ASSERT_FALSE(driver.IsEmpty());
    const CString path = OutputFile(L"nodriver.xls");
    {
        DriverUninstalled gone(driver);
        EXPECT_TRUE(InstalledExcelDriver().IsEmpty());

        CDatabase database;
        try {
            database.OpenEx(Connection(driver, path), CDatabase::noOdbcDialog);
            ADD_FAILURE() << "connected without an installed driver";
        } catch (CDBException* e) {
            EXPECT_NE(e->m_strStateNativeOrigin.Find(L"State:IM002"), -1) << e->m_strStateNativeOrigin.GetString();
            EXPECT_EQ(e->m_strError, CString(L"Data source name not found and no default driver specified.\n"));
            e->Delete();
        }

        CSpreadSheet sheet(path, L"Calendar");
        EXPECT_NE(sheet.GetLastError().Find(L"no default driver specified"), -1) << sheet.GetLastError().GetString();
        EXPECT_FALSE(sheet.Commit() && sheet.GetLastError().IsEmpty());
        CStringArray headers;
        headers.Add(L"Subject");
        sheet.AddHeaders(headers);
        EXPECT_FALSE(sheet.Commit());
        EXPECT_NE(sheet.GetLastError().Find(L"no default driver specified"), -1);
    }
    EXPECT_EQ(GetFileAttributesW(path), INVALID_FILE_ATTRIBUTES) << "nothing was written";
}

TEST(OdbcStandIn, BadHandlesAndUnsupportedCallsFailCleanly)
{
    const auto stray = reinterpret_cast<SQLHANDLE>(static_cast<uintptr_t>(0x12345678));
    EXPECT_EQ(SQLFetch(stray), SQL_INVALID_HANDLE);
    EXPECT_EQ(SQLExecDirectW(stray, nullptr, SQL_NTS), SQL_INVALID_HANDLE);
    EXPECT_EQ(SQLDisconnect(nullptr), SQL_INVALID_HANDLE);
    EXPECT_EQ(SQLFreeHandle(SQL_HANDLE_STMT, stray), SQL_INVALID_HANDLE);

    SQLHENV env = nullptr;
    SQLHDBC dbc = nullptr;
    SQLHSTMT stmt = nullptr;
    ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env), SQL_SUCCESS);
    ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc), SQL_SUCCESS);
    // A statement needs an open connection; the failure is described.
    EXPECT_EQ(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt), SQL_ERROR);
    SQLWCHAR state[6] = {};
    SQLWCHAR message[256] = {};
    SQLSMALLINT length = 0;
    ASSERT_EQ(SQLGetDiagRecW(SQL_HANDLE_DBC, dbc, 1, state, nullptr, message, 256, &length), SQL_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<LPCWSTR>(state), L"08003");
    EXPECT_EQ(SQLGetDiagRecW(SQL_HANDLE_DBC, dbc, 2, state, nullptr, message, 256, &length), SQL_NO_DATA);
    // The handle kind must match the handle.
    EXPECT_EQ(SQLGetDiagRecW(SQL_HANDLE_STMT, dbc, 1, state, nullptr, message, 256, &length), SQL_INVALID_HANDLE);
    EXPECT_EQ(SQLSetConnectAttrW(dbc, 123456, nullptr, 0), SQL_ERROR);
    EXPECT_EQ(SQLFreeHandle(SQL_HANDLE_DBC, dbc), SQL_SUCCESS);
    EXPECT_EQ(SQLFreeHandle(SQL_HANDLE_ENV, env), SQL_SUCCESS);
}

TEST(OdbcStandIn, LongValuesAreReadInPartsAndRollbackUndoes)
{
    const CString path = OutputFile(L"parts.xls");
    CDatabase database;
    ASSERT_NO_THROW(database.OpenEx(Connection(InstalledExcelDriver(), path), CDatabase::noOdbcDialog));
    database.ExecuteSQL(L"CREATE TABLE [Calendar] ([Body] char(255))");
    CString body;
    for (int i = 0; i < 5000; ++i)
        body += static_cast<wchar_t>(0x3041 + i % 80);
    database.ExecuteSQL(L"INSERT INTO [Calendar$A1:IV1] ([Body]) VALUES ('" + body + L"')");
    ASSERT_TRUE(database.BeginTrans());
    database.ExecuteSQL(L"INSERT INTO [Calendar$A1:IV2] ([Body]) VALUES ('undone')");
    ASSERT_TRUE(database.Rollback());

    CRecordset records(&database);
    records.Open(CRecordset::forwardOnly, L"SELECT * FROM [Calendar$A1:IV65536]", CRecordset::readOnly);
    ASSERT_EQ(records.GetODBCFieldCount(), 1);
    ASSERT_FALSE(records.IsEOF());
    CString value;
    records.GetFieldValue(L"Body", value);
    EXPECT_EQ(value, body);
    records.MoveNext();
    EXPECT_TRUE(records.IsEOF()) << "the rolled-back row is gone";

    // The same value through a small buffer: 01004 and the rest on the next call.
    SQLHSTMT stmt = nullptr;
    ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_STMT, database.m_hdbc, &stmt), SQL_SUCCESS);
    ASSERT_EQ(SQLExecDirectW(stmt, (SQLWCHAR*)L"SELECT [Body] FROM [Calendar$]", SQL_NTS), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(stmt), SQL_SUCCESS);
    SQLWCHAR part[11] = {};
    SQLLEN indicator = 0;
    EXPECT_EQ(SQLGetData(stmt, 1, SQL_C_WCHAR, part, sizeof(part), &indicator), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(indicator, 5000 * 2);
    EXPECT_EQ(CString(reinterpret_cast<LPCWSTR>(part)), body.Left(10));
    EXPECT_EQ(SQLGetData(stmt, 1, SQL_C_WCHAR, part, sizeof(part), &indicator), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(indicator, 4990 * 2);
    EXPECT_EQ(SQLFetch(stmt), SQL_NO_DATA);
    EXPECT_EQ(SQLFreeHandle(SQL_HANDLE_STMT, stmt), SQL_SUCCESS);
}
