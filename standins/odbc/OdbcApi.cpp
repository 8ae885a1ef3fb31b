// The exported ODBC entry points: the driver manager's checks (handles,
// states, the driver a connection names) and the built-in Excel driver's
// statements over the xls library.
#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cstring>
#include <exception>

#include "ConnectionString.h"
#include "DriverCatalog.h"
#include "OdbcHandles.h"
#include "OdbcText.h"
#include "XlsError.h"

using namespace odbc;

namespace {

// The last parameter of SQLColAttributeW as the platform headers declare it.
#ifdef _WIN64
using NumericAttributePointer = SQLLEN*;
#else
using NumericAttributePointer = SQLPOINTER;
#endif

using Guard = std::lock_guard<std::recursive_mutex>;

Guard Lock() { return Guard(HandleTable::Instance().Lock()); }
HandleTable& Table() { return HandleTable::Instance(); }

// The live handle of type T a call was given, with the diagnostics of earlier calls
// cleared; null for a stale or foreign pointer or a handle of another kind.
template <typename T>
T* Enter(SQLHANDLE handle) {
  T* h = Table().Find<T>(handle);
  if (h) h->diagnostics.clear();
  return h;
}

// An entry point's hold on its handle: the API lock, and the handle as Enter finds it.
template <typename T>
class Locked {
 public:
  explicit Locked(SQLHANDLE handle) : lock_(Table().Lock()), handle_(Enter<T>(handle)) {}
  explicit operator bool() const { return handle_ != nullptr; }
  T* get() const { return handle_; }
  T* operator->() const { return handle_; }
  T& operator*() const { return *handle_; }

 private:
  Guard lock_;
  T* handle_;
};

// Runs a driver operation, turning its exceptions into diagnostics.
template <typename F>
SQLRETURN Guarded(Handle& h, F&& operation) {
  try {
    return operation();
  } catch (const xls::XlsError& e) {
    return h.FailDriver(e.SqlState(), e.what());
  } catch (const std::bad_alloc&) {
    return h.Fail(u"HY001", u"Memory allocation error.");
  } catch (const std::exception& e) {
    return h.FailDriver(xls::kStateGeneral, e.what());
  }
}

void FreeStatement(Statement* s) {
  auto& list = s->connection->statements;
  list.erase(std::remove(list.begin(), list.end(), s), list.end());
  Table().Remove(s);
  delete s;
}

void FreeConnection(Connection* c) {
  while (!c->statements.empty()) FreeStatement(c->statements.back());
  auto& list = c->environment->connections;
  list.erase(std::remove(list.begin(), list.end(), c), list.end());
  Table().Remove(c);
  delete c;
}

SQLRETURN AllocHandle(SQLSMALLINT type, SQLHANDLE input, SQLHANDLE* output) {
  if (!output) {
    Handle* parent = Table().FindAny(input);
    if (!parent) return SQL_INVALID_HANDLE;
    parent->diagnostics.clear();
    return parent->Fail(u"HY009", u"Invalid use of null pointer.");
  }
  *output = SQL_NULL_HANDLE;
  switch (type) {
    case SQL_HANDLE_ENV: {
      auto* e = new Environment;
      Table().Add(e);
      *output = e;
      return SQL_SUCCESS;
    }
    case SQL_HANDLE_DBC: {
      Environment* e = Enter<Environment>(input);
      if (!e) return SQL_INVALID_HANDLE;
      auto* c = new Connection(e);
      e->connections.push_back(c);
      Table().Add(c);
      *output = c;
      return SQL_SUCCESS;
    }
    case SQL_HANDLE_STMT: {
      Connection* c = Enter<Connection>(input);
      if (!c) return SQL_INVALID_HANDLE;
      if (!c->Connected()) return c->Fail(u"08003", u"Connection not open.");
      auto* s = new Statement(c);
      c->statements.push_back(s);
      Table().Add(s);
      *output = s;
      return SQL_SUCCESS;
    }
    default: {
      Handle* parent = Table().FindAny(input);
      if (!parent) return SQL_INVALID_HANDLE;
      parent->diagnostics.clear();
      return parent->Fail(u"HYC00", u"Optional feature not implemented: this handle type is not supported.");
    }
  }
}

SQLRETURN FreeHandle(SQLSMALLINT type, SQLHANDLE handle) {
  switch (type) {
    case SQL_HANDLE_ENV: {
      Environment* e = Enter<Environment>(handle);
      if (!e) return SQL_INVALID_HANDLE;
      if (!e->connections.empty()) return e->Fail(u"HY010", u"Function sequence error: connections are still allocated.");
      Table().Remove(e);
      delete e;
      return SQL_SUCCESS;
    }
    case SQL_HANDLE_DBC: {
      Connection* c = Enter<Connection>(handle);
      if (!c) return SQL_INVALID_HANDLE;
      if (c->Connected()) return c->Fail(u"HY010", u"Function sequence error: the connection is still open.");
      FreeConnection(c);
      return SQL_SUCCESS;
    }
    case SQL_HANDLE_STMT: {
      Statement* s = Enter<Statement>(handle);
      if (!s) return SQL_INVALID_HANDLE;
      FreeStatement(s);
      return SQL_SUCCESS;
    }
    default:
      return SQL_INVALID_HANDLE;
  }
}

SQLRETURN EndTransaction(Connection& c, SQLSMALLINT completion) {
  if (!c.Connected()) return c.Fail(u"08003", u"Connection not open.");
  for (Statement* s : c.statements) s->CloseCursor();
  if (completion == SQL_COMMIT) return c.Persist() ? SQL_SUCCESS : SQL_ERROR;
  if (completion != SQL_ROLLBACK) return c.Fail(u"HY012", u"Invalid transaction operation code.");
  // Undo by loading the workbook again as it stands on disk.
  return Guarded(c, [&] {
    c.database.reset();
    c.database.emplace(c.path, c.options);
    return SQL_SUCCESS;
  });
}

SQLRETURN Execute(Statement& s, const std::u16string& sql) {
  Connection& c = *s.connection;
  if (!c.Connected()) return s.Fail(u"08003", u"Connection not open.");
  s.CloseCursor();
  s.affectedRows = -1;
  return Guarded(s, [&]() -> SQLRETURN {
    xls::ExecuteResult result = c.database->Execute(sql);
    if (result.rows) {
      s.rows.emplace(std::move(*result.rows));
      return SQL_SUCCESS;
    }
    s.affectedRows = static_cast<SQLLEN>(result.affectedRows);
    if (c.autocommit && !c.Persist()) {
      s.diagnostics.insert(s.diagnostics.end(), c.diagnostics.begin(), c.diagnostics.end());
      c.diagnostics.clear();
      return SQL_ERROR;
    }
    return SQL_SUCCESS;
  });
}

// The answer for a text handed out: SQL_SUCCESS when it was whole, a warning when it
// was cut to fit.
SQLRETURN TextAnswer(Handle& h, bool whole) {
  if (whole) return SQL_SUCCESS;
  h.Warn(u"01004", u"String data, right truncated.");
  return SQL_SUCCESS_WITH_INFO;
}

// A cell text in the C type asked for; answers the return code of SQLGetData.
SQLRETURN PutValue(Statement& s, const std::u16string& value, size_t offset, SQLSMALLINT type, SQLPOINTER target,
                   SQLLEN capacity, SQLLEN* indicator, size_t* consumed) {
  const std::u16string_view rest = std::u16string_view(value).substr(std::min(offset, value.size()));
  if (type == SQL_C_WCHAR || type == SQL_C_DEFAULT) {
    const bool whole = OutputBytes(rest, target, capacity, indicator);
    const size_t given = target && capacity >= 2 ? std::min(rest.size(), static_cast<size_t>(capacity / 2 - 1)) : 0;
    *consumed = given;
    return TextAnswer(s, whole);
  }
  if (type == SQL_C_CHAR) {
    // The ANSI form; one character at a time keeps the cut on a character boundary.
    auto* out = static_cast<char*>(target);
    const std::wstring wide(rest.begin(), rest.end());
    const int full = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (indicator) *indicator = full;
    SQLLEN used = 0;
    size_t given = 0;
    char part[8];
    while (out && given < wide.size()) {
      const int n = WideCharToMultiByte(CP_ACP, 0, wide.data() + given, 1, part, sizeof(part), nullptr, nullptr);
      if (used + n + 1 > capacity) break;
      std::memcpy(out + used, part, static_cast<size_t>(n));
      used += n;
      ++given;
    }
    if (out && capacity > 0) out[used] = 0;
    *consumed = given;
    return TextAnswer(s, given == wide.size());
  }
  return s.Fail(u"07006", u"Restricted data type attribute violation: the driver returns cell values as text only.");
}

SQLRETURN Fetch(Statement& s) {
  if (!s.rows) return s.Fail(u"24000", u"Invalid cursor state: no result set is open.");
  s.partColumn = 0;
  s.partOffset = 0;
  if (s.position >= s.rows->RowCount()) {
    s.position = s.rows->RowCount() + 1;
    return SQL_NO_DATA;
  }
  ++s.position;
  SQLRETURN rc = SQL_SUCCESS;
  for (size_t column = 1; column < s.bindings.size(); ++column) {
    const ColumnBinding& b = s.bindings[column];
    if (!b.target && !b.indicator) continue;
    if (column > s.rows->ColumnCount()) return s.Fail(u"07009", u"Invalid descriptor index: a bound column does not exist.");
    size_t consumed = 0;
    const SQLRETURN r = PutValue(s, s.rows->Value(s.position - 1, column - 1), 0, b.type, b.target, b.capacity,
                                 b.indicator, &consumed);
    if (r == SQL_ERROR) return r;
    if (r == SQL_SUCCESS_WITH_INFO) rc = r;
  }
  return rc;
}

SQLRETURN CopyInfoText(Handle& h, std::u16string_view text, SQLPOINTER value, SQLSMALLINT capacity, SQLSMALLINT* length) {
  SQLLEN bytes = 0;
  const bool whole = OutputBytes(text, value, capacity, &bytes);
  if (length) *length = static_cast<SQLSMALLINT>(bytes);
  return TextAnswer(h, whole);
}

// A number answer: the value where the caller asked for it, and its size.
template <typename T, typename Length>
SQLRETURN CopyNumber(T number, SQLPOINTER value, Length* length) {
  if (value) std::memcpy(value, &number, sizeof(T));
  if (length) *length = sizeof(T);
  return SQL_SUCCESS;
}

// A diagnostic record into the caller's buffers. A cut message is reported by the
// answer alone: reading diagnostics adds none.
SQLRETURN CopyDiagnostic(const DiagRecord& record, SQLWCHAR* state, SQLINTEGER* nativeError, SQLWCHAR* message,
                         SQLSMALLINT capacity, SQLSMALLINT* messageLength) {
  OutputChars(record.state, state, 6, nullptr);
  if (nativeError) *nativeError = 0;
  SQLINTEGER length = 0;
  const bool whole = OutputChars(record.message, message, capacity, &length);
  if (messageLength) *messageLength = static_cast<SQLSMALLINT>(std::min<SQLINTEGER>(length, 0x7FFF));
  return whole || !message ? SQL_SUCCESS : SQL_SUCCESS_WITH_INFO;
}

constexpr SQLUSMALLINT kSupportedFunctions[] = {
    SQL_API_SQLALLOCCONNECT, SQL_API_SQLALLOCENV,      SQL_API_SQLALLOCHANDLE,    SQL_API_SQLALLOCSTMT,
    SQL_API_SQLBINDCOL,      SQL_API_SQLCANCEL,        SQL_API_SQLCLOSECURSOR,    SQL_API_SQLCOLATTRIBUTE,
    SQL_API_SQLCONNECT,      SQL_API_SQLDESCRIBECOL,   SQL_API_SQLDISCONNECT,     SQL_API_SQLDRIVERCONNECT,
    SQL_API_SQLENDTRAN,      SQL_API_SQLERROR,         SQL_API_SQLEXECDIRECT,     SQL_API_SQLEXECUTE,
    SQL_API_SQLFETCH,        SQL_API_SQLFETCHSCROLL,   SQL_API_SQLFREECONNECT,    SQL_API_SQLFREEENV,
    SQL_API_SQLFREEHANDLE,   SQL_API_SQLFREESTMT,      SQL_API_SQLGETCONNECTATTR, SQL_API_SQLGETDATA,
    SQL_API_SQLGETDIAGREC,   SQL_API_SQLGETENVATTR,    SQL_API_SQLGETFUNCTIONS,   SQL_API_SQLGETINFO,
    SQL_API_SQLGETSTMTATTR,  SQL_API_SQLMORERESULTS,   SQL_API_SQLNUMRESULTCOLS,  SQL_API_SQLPREPARE,
    SQL_API_SQLROWCOUNT,     SQL_API_SQLSETCONNECTATTR, SQL_API_SQLSETENVATTR,    SQL_API_SQLSETSTMTATTR,
    SQL_API_SQLTRANSACT};

bool Supported(SQLUSMALLINT id) {
  return std::find(std::begin(kSupportedFunctions), std::end(kSupportedFunctions), id) != std::end(kSupportedFunctions);
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLAllocHandle(SQLSMALLINT HandleType, SQLHANDLE InputHandle, SQLHANDLE* OutputHandle) {
  auto lock = Lock();
  return AllocHandle(HandleType, InputHandle, OutputHandle);
}

SQLRETURN SQL_API SQLAllocEnv(SQLHENV* EnvironmentHandle) {
  auto lock = Lock();
  return AllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, EnvironmentHandle);
}

SQLRETURN SQL_API SQLAllocConnect(SQLHENV EnvironmentHandle, SQLHDBC* ConnectionHandle) {
  auto lock = Lock();
  return AllocHandle(SQL_HANDLE_DBC, EnvironmentHandle, ConnectionHandle);
}

SQLRETURN SQL_API SQLAllocStmt(SQLHDBC ConnectionHandle, SQLHSTMT* StatementHandle) {
  auto lock = Lock();
  return AllocHandle(SQL_HANDLE_STMT, ConnectionHandle, StatementHandle);
}

SQLRETURN SQL_API SQLFreeHandle(SQLSMALLINT HandleType, SQLHANDLE Handle) {
  auto lock = Lock();
  return FreeHandle(HandleType, Handle);
}

SQLRETURN SQL_API SQLFreeEnv(SQLHENV EnvironmentHandle) {
  auto lock = Lock();
  return FreeHandle(SQL_HANDLE_ENV, EnvironmentHandle);
}

SQLRETURN SQL_API SQLFreeConnect(SQLHDBC ConnectionHandle) {
  auto lock = Lock();
  return FreeHandle(SQL_HANDLE_DBC, ConnectionHandle);
}

SQLRETURN SQL_API SQLFreeStmt(SQLHSTMT StatementHandle, SQLUSMALLINT Option) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  switch (Option) {
    case SQL_DROP:
      FreeStatement(s.get());
      return SQL_SUCCESS;
    case SQL_CLOSE:
      s->CloseCursor();
      return SQL_SUCCESS;
    case SQL_UNBIND:
      s->bindings.clear();
      return SQL_SUCCESS;
    case SQL_RESET_PARAMS:
      return SQL_SUCCESS;
    default:
      return s->Fail(u"HY092", u"Invalid attribute/option identifier.");
  }
}

SQLRETURN SQL_API SQLSetEnvAttr(SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER) {
  const Locked<Environment> e(EnvironmentHandle);
  if (!e) return SQL_INVALID_HANDLE;
  const auto number = static_cast<SQLINTEGER>(reinterpret_cast<intptr_t>(Value));
  switch (Attribute) {
    case SQL_ATTR_ODBC_VERSION:
      if (number != SQL_OV_ODBC2 && number != SQL_OV_ODBC3 && number != 380)
        return e->Fail(u"HY024", u"Invalid attribute value.");
      e->odbcVersion = number;
      return SQL_SUCCESS;
    case SQL_ATTR_CONNECTION_POOLING:
    case SQL_ATTR_CP_MATCH:
    case SQL_ATTR_OUTPUT_NTS:
      return SQL_SUCCESS;
    default:
      return e->Fail(u"HY092", u"Invalid attribute/option identifier.");
  }
}

SQLRETURN SQL_API SQLGetEnvAttr(SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER,
                                SQLINTEGER* StringLength) {
  const Locked<Environment> e(EnvironmentHandle);
  if (!e) return SQL_INVALID_HANDLE;
  SQLINTEGER number = 0;
  switch (Attribute) {
    case SQL_ATTR_ODBC_VERSION: number = e->odbcVersion; break;
    case SQL_ATTR_CONNECTION_POOLING: number = SQL_CP_OFF; break;
    case SQL_ATTR_OUTPUT_NTS: number = SQL_TRUE; break;
    default: return e->Fail(u"HY092", u"Invalid attribute/option identifier.");
  }
  return CopyNumber(number, Value, StringLength);
}

SQLRETURN SQL_API SQLSetConnectAttrW(SQLHDBC ConnectionHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  const auto number = static_cast<SQLUINTEGER>(reinterpret_cast<uintptr_t>(Value));
  switch (Attribute) {
    case SQL_ATTR_AUTOCOMMIT: {
      const bool on = number == SQL_AUTOCOMMIT_ON;
      // Turning autocommit on commits the open transaction.
      if (on && !c->autocommit && c->Connected() && !c->Persist()) return SQL_ERROR;
      c->autocommit = on;
      return SQL_SUCCESS;
    }
    case SQL_ATTR_LOGIN_TIMEOUT:
    case SQL_ATTR_CONNECTION_TIMEOUT:
    case SQL_ATTR_QUIET_MODE:
    case SQL_ATTR_ODBC_CURSORS:
    case SQL_ATTR_TRACE:
    case SQL_ATTR_ACCESS_MODE:
      return SQL_SUCCESS;
    default:
      return c->Fail(u"HYC00", u"Optional feature not implemented: connection attribute not supported.");
  }
}

SQLRETURN SQL_API SQLGetConnectAttrW(SQLHDBC ConnectionHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER,
                                     SQLINTEGER* StringLength) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  SQLUINTEGER number = 0;
  switch (Attribute) {
    case SQL_ATTR_AUTOCOMMIT: number = c->autocommit ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF; break;
    case SQL_ATTR_ACCESS_MODE: number = c->options.readOnly ? SQL_MODE_READ_ONLY : SQL_MODE_READ_WRITE; break;
    case SQL_ATTR_CONNECTION_DEAD: number = c->Connected() ? SQL_CD_FALSE : SQL_CD_TRUE; break;
    case SQL_ATTR_TXN_ISOLATION: number = SQL_TXN_READ_COMMITTED; break;
    default: return c->Fail(u"HYC00", u"Optional feature not implemented: connection attribute not supported.");
  }
  return CopyNumber(number, Value, StringLength);
}

SQLRETURN SQL_API SQLConnectW(SQLHDBC ConnectionHandle, SQLWCHAR*, SQLSMALLINT, SQLWCHAR*, SQLSMALLINT, SQLWCHAR*,
                              SQLSMALLINT) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  // No data sources are defined: connections name their driver.
  return c->Fail(u"IM002", u"Data source name not found and no default driver specified.");
}

SQLRETURN SQL_API SQLDriverConnectW(SQLHDBC ConnectionHandle, SQLHWND, SQLWCHAR* InConnectionString,
                                    SQLSMALLINT StringLength1, SQLWCHAR* OutConnectionString, SQLSMALLINT BufferLength,
                                    SQLSMALLINT* StringLength2Ptr, SQLUSMALLINT) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  if (c->Connected()) return c->Fail(u"08002", u"Connection name in use.");
  const std::u16string text = InputText(InConnectionString, StringLength1);
  return Guarded(*c, [&]() -> SQLRETURN {
    const xls::ConnectionString attributes = xls::ConnectionString::Parse(text);
    const std::u16string driver = attributes.Value(u"DRIVER").value_or(u"");
    if (driver.empty() || !DriverCatalog::IsInstalled(driver))
      return c->Fail(u"IM002", u"Data source name not found and no default driver specified.");
    if (!DriverCatalog::IsBuiltIn(driver))
      return c->Fail(u"IM003", u"Specified driver could not be loaded: " + driver + u".");
    const std::u16string path = attributes.WorkbookPath();
    if (path.empty())
      return c->FailDriver(xls::kStateCannotOpen, "The connection string names no workbook file (DBQ).");
    c->path = std::filesystem::path(std::wstring(path.begin(), path.end()));
    c->options = attributes.Options();
    c->database.emplace(xls::ExcelDatabase::Open(c->path, c->options));
    c->connectionString = text;
    c->autocommit = true;
    SQLINTEGER length = 0;
    const bool whole = OutputChars(text, OutConnectionString, BufferLength, &length);
    if (StringLength2Ptr) *StringLength2Ptr = static_cast<SQLSMALLINT>(std::min<SQLINTEGER>(length, 0x7FFF));
    return TextAnswer(*c, whole || !OutConnectionString);
  });
}

SQLRETURN SQL_API SQLDisconnect(SQLHDBC ConnectionHandle) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  if (!c->Connected()) return c->Fail(u"08003", u"Connection not open.");
  // What is not written now would be lost: the failure is reported, and the
  // connection closes all the same.
  const bool written = c->Persist();
  while (!c->statements.empty()) FreeStatement(c->statements.back());
  xls::ExcelDatabase::Close(std::move(*c->database));
  c->database.reset();
  return written ? SQL_SUCCESS : SQL_ERROR;
}

SQLRETURN SQL_API SQLEndTran(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT CompletionType) {
  auto lock = Lock();
  if (HandleType == SQL_HANDLE_DBC) {
    Connection* c = Enter<Connection>(Handle);
    if (!c) return SQL_INVALID_HANDLE;
    return EndTransaction(*c, CompletionType);
  }
  if (HandleType == SQL_HANDLE_ENV) {
    Environment* e = Enter<Environment>(Handle);
    if (!e) return SQL_INVALID_HANDLE;
    SQLRETURN rc = SQL_SUCCESS;
    for (Connection* c : e->connections) {
      c->diagnostics.clear();
      if (c->Connected() && EndTransaction(*c, CompletionType) == SQL_ERROR) {
        e->diagnostics.insert(e->diagnostics.end(), c->diagnostics.begin(), c->diagnostics.end());
        rc = SQL_ERROR;
      }
    }
    return rc;
  }
  return SQL_INVALID_HANDLE;
}

SQLRETURN SQL_API SQLTransact(SQLHENV EnvironmentHandle, SQLHDBC ConnectionHandle, SQLUSMALLINT CompletionType) {
  if (ConnectionHandle) return SQLEndTran(SQL_HANDLE_DBC, ConnectionHandle, static_cast<SQLSMALLINT>(CompletionType));
  return SQLEndTran(SQL_HANDLE_ENV, EnvironmentHandle, static_cast<SQLSMALLINT>(CompletionType));
}

SQLRETURN SQL_API SQLExecDirectW(SQLHSTMT StatementHandle, SQLWCHAR* StatementText, SQLINTEGER TextLength) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (!StatementText) return s->Fail(u"HY009", u"Invalid use of null pointer.");
  return Execute(*s, InputText(StatementText, TextLength));
}

SQLRETURN SQL_API SQLPrepareW(SQLHSTMT StatementHandle, SQLWCHAR* StatementText, SQLINTEGER TextLength) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (!StatementText) return s->Fail(u"HY009", u"Invalid use of null pointer.");
  s->CloseCursor();
  s->prepared = InputText(StatementText, TextLength);
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLExecute(SQLHSTMT StatementHandle) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (s->prepared.empty()) return s->Fail(u"HY010", u"Function sequence error: no statement was prepared.");
  return Execute(*s, s->prepared);
}

SQLRETURN SQL_API SQLNumResultCols(SQLHSTMT StatementHandle, SQLSMALLINT* ColumnCount) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (ColumnCount) *ColumnCount = s->rows ? static_cast<SQLSMALLINT>(s->rows->ColumnCount()) : 0;
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLRowCount(SQLHSTMT StatementHandle, SQLLEN* RowCount) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (RowCount) *RowCount = s->affectedRows;
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLDescribeColW(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLWCHAR* ColumnName,
                                  SQLSMALLINT BufferLength, SQLSMALLINT* NameLength, SQLSMALLINT* DataType,
                                  SQLULEN* ColumnSize, SQLSMALLINT* DecimalDigits, SQLSMALLINT* Nullable) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (!s->rows) return s->Fail(u"07005", u"The prepared statement returns no result set.");
  if (ColumnNumber < 1 || ColumnNumber > s->rows->ColumnCount())
    return s->Fail(u"07009", u"Invalid descriptor index.");
  SQLINTEGER length = 0;
  const bool whole = OutputChars(s->rows->ColumnNames()[ColumnNumber - 1], ColumnName, BufferLength, &length);
  if (NameLength) *NameLength = static_cast<SQLSMALLINT>(length);
  if (DataType) *DataType = SQL_WVARCHAR;
  if (ColumnSize) *ColumnSize = 255;
  if (DecimalDigits) *DecimalDigits = 0;
  if (Nullable) *Nullable = SQL_NULLABLE;
  return TextAnswer(*s, whole || !ColumnName);
}

SQLRETURN SQL_API SQLColAttributeW(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLUSMALLINT FieldIdentifier,
                                   SQLPOINTER CharacterAttribute, SQLSMALLINT BufferLength, SQLSMALLINT* StringLength,
                                   NumericAttributePointer numericAttribute) {
  auto* NumericAttribute = static_cast<SQLLEN*>(numericAttribute);
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (!s->rows) return s->Fail(u"07005", u"The prepared statement returns no result set.");
  if (FieldIdentifier == SQL_DESC_COUNT || FieldIdentifier == SQL_COLUMN_COUNT) {
    if (NumericAttribute) *NumericAttribute = static_cast<SQLLEN>(s->rows->ColumnCount());
    return SQL_SUCCESS;
  }
  if (ColumnNumber < 1 || ColumnNumber > s->rows->ColumnCount())
    return s->Fail(u"07009", u"Invalid descriptor index.");
  SQLLEN number = 0;
  switch (FieldIdentifier) {
    case SQL_DESC_NAME:
    case SQL_DESC_LABEL:
    case SQL_DESC_BASE_COLUMN_NAME:
    case SQL_COLUMN_NAME:
      return CopyInfoText(*s, s->rows->ColumnNames()[ColumnNumber - 1], CharacterAttribute, BufferLength, StringLength);
    case SQL_DESC_TYPE_NAME:
      return CopyInfoText(*s, u"VARCHAR", CharacterAttribute, BufferLength, StringLength);
    case SQL_DESC_TYPE:
    case SQL_DESC_CONCISE_TYPE: number = SQL_WVARCHAR; break;
    case SQL_DESC_LENGTH:
    case SQL_COLUMN_LENGTH:
    case SQL_DESC_DISPLAY_SIZE:
    case SQL_COLUMN_PRECISION: number = 255; break;
    case SQL_DESC_OCTET_LENGTH: number = 510; break;
    case SQL_DESC_NULLABLE:
    case SQL_COLUMN_NULLABLE: number = SQL_NULLABLE; break;
    case SQL_DESC_UNSIGNED: number = SQL_TRUE; break;
    case SQL_DESC_SCALE:
    case SQL_COLUMN_SCALE:
    case SQL_DESC_AUTO_UNIQUE_VALUE: number = 0; break;
    case SQL_DESC_UPDATABLE: number = SQL_ATTR_READWRITE_UNKNOWN; break;
    case SQL_DESC_SEARCHABLE: number = SQL_PRED_SEARCHABLE; break;
    default: return s->Fail(u"HY091", u"Invalid descriptor field identifier.");
  }
  if (NumericAttribute) *NumericAttribute = number;
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLBindCol(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLSMALLINT TargetType,
                             SQLPOINTER TargetValue, SQLLEN BufferLength, SQLLEN* StrLen_or_Ind) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (ColumnNumber == 0) return s->Fail(u"07009", u"Invalid descriptor index: bookmarks are not supported.");
  if (TargetType != SQL_C_WCHAR && TargetType != SQL_C_CHAR && TargetType != SQL_C_DEFAULT)
    return s->Fail(u"HY003", u"Invalid application buffer type: the driver returns cell values as text only.");
  if (s->bindings.size() <= ColumnNumber) s->bindings.resize(ColumnNumber + 1u);
  s->bindings[ColumnNumber] = ColumnBinding{TargetType, TargetValue, BufferLength, StrLen_or_Ind};
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLFetch(SQLHSTMT StatementHandle) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  return Fetch(*s);
}

SQLRETURN SQL_API SQLFetchScroll(SQLHSTMT StatementHandle, SQLSMALLINT FetchOrientation, SQLLEN) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (FetchOrientation != SQL_FETCH_NEXT)
    return s->Fail(u"HY106", u"Fetch type out of range: the cursor is forward-only.");
  return Fetch(*s);
}

SQLRETURN SQL_API SQLGetData(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLSMALLINT TargetType,
                             SQLPOINTER TargetValue, SQLLEN BufferLength, SQLLEN* StrLen_or_Ind) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (!s->rows || s->position == 0 || s->position > s->rows->RowCount())
    return s->Fail(u"24000", u"Invalid cursor state: no row is current.");
  if (ColumnNumber < 1 || ColumnNumber > s->rows->ColumnCount())
    return s->Fail(u"07009", u"Invalid descriptor index.");
  if (BufferLength < 0) return s->Fail(u"HY090", u"Invalid string or buffer length.");
  if (s->partColumn != ColumnNumber) {
    s->partColumn = ColumnNumber;
    s->partOffset = 0;
  }
  const std::u16string value = s->rows->Value(s->position - 1, ColumnNumber - 1);
  // Everything of this value was handed out by earlier calls.
  if (s->partOffset > 0 && s->partOffset >= value.size()) return SQL_NO_DATA;
  size_t consumed = 0;
  const SQLRETURN rc =
      PutValue(*s, value, s->partOffset, TargetType, TargetValue, BufferLength, StrLen_or_Ind, &consumed);
  if (rc != SQL_ERROR) s->partOffset += std::max<size_t>(consumed, rc == SQL_SUCCESS ? 1 : 0);
  return rc;
}

SQLRETURN SQL_API SQLCloseCursor(SQLHSTMT StatementHandle) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  if (!s->rows) return s->Fail(u"24000", u"Invalid cursor state: no cursor is open.");
  s->CloseCursor();
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLMoreResults(SQLHSTMT StatementHandle) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  return SQL_NO_DATA;
}

SQLRETURN SQL_API SQLCancel(SQLHSTMT StatementHandle) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLSetStmtAttrW(SQLHSTMT StatementHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  const auto number = reinterpret_cast<uintptr_t>(Value);
  switch (Attribute) {
    case SQL_ATTR_CURSOR_TYPE:
      if (number == SQL_CURSOR_FORWARD_ONLY) return SQL_SUCCESS;
      s->Warn(u"01S02", u"Option value changed: the cursor is forward-only.");
      return SQL_SUCCESS_WITH_INFO;
    case SQL_ATTR_CONCURRENCY:
      if (number == SQL_CONCUR_READ_ONLY) return SQL_SUCCESS;
      s->Warn(u"01S02", u"Option value changed: the cursor is read-only.");
      return SQL_SUCCESS_WITH_INFO;
    case SQL_ATTR_QUERY_TIMEOUT:
    case SQL_ATTR_MAX_ROWS:
    case SQL_ATTR_NOSCAN:
    case SQL_ATTR_MAX_LENGTH:
      return SQL_SUCCESS;
    case SQL_ATTR_ROW_ARRAY_SIZE:
      if (number == 1) return SQL_SUCCESS;
      s->Warn(u"01S02", u"Option value changed: one row is fetched at a time.");
      return SQL_SUCCESS_WITH_INFO;
    default:
      return s->Fail(u"HYC00", u"Optional feature not implemented: statement attribute not supported.");
  }
}

SQLRETURN SQL_API SQLGetStmtAttrW(SQLHSTMT StatementHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER,
                                  SQLINTEGER* StringLength) {
  const Locked<Statement> s(StatementHandle);
  if (!s) return SQL_INVALID_HANDLE;
  SQLULEN number = 0;
  switch (Attribute) {
    case SQL_ATTR_CURSOR_TYPE: number = SQL_CURSOR_FORWARD_ONLY; break;
    case SQL_ATTR_CONCURRENCY: number = SQL_CONCUR_READ_ONLY; break;
    case SQL_ATTR_ROW_ARRAY_SIZE: number = 1; break;
    case SQL_ATTR_ROW_NUMBER: number = s->rows ? s->position : 0; break;
    default: return s->Fail(u"HYC00", u"Optional feature not implemented: statement attribute not supported.");
  }
  return CopyNumber(number, Value, StringLength);
}

SQLRETURN SQL_API SQLGetInfoW(SQLHDBC ConnectionHandle, SQLUSMALLINT InfoType, SQLPOINTER InfoValue,
                              SQLSMALLINT BufferLength, SQLSMALLINT* StringLength) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  switch (InfoType) {
    case SQL_DRIVER_NAME: return CopyInfoText(*c, u"odbc32.dll", InfoValue, BufferLength, StringLength);
    case SQL_DRIVER_VER: return CopyInfoText(*c, u"01.00.0000", InfoValue, BufferLength, StringLength);
    case SQL_DRIVER_ODBC_VER:
    case SQL_ODBC_VER: return CopyInfoText(*c, u"03.00", InfoValue, BufferLength, StringLength);
    case SQL_DBMS_NAME: return CopyInfoText(*c, u"EXCEL", InfoValue, BufferLength, StringLength);
    case SQL_DBMS_VER: return CopyInfoText(*c, u"08.00.0000", InfoValue, BufferLength, StringLength);
    case SQL_DATA_SOURCE_NAME: return CopyInfoText(*c, u"", InfoValue, BufferLength, StringLength);
    case SQL_IDENTIFIER_QUOTE_CHAR: return CopyInfoText(*c, u"`", InfoValue, BufferLength, StringLength);
    case SQL_DATA_SOURCE_READ_ONLY:
      return CopyInfoText(*c, c->options.readOnly ? u"Y" : u"N", InfoValue, BufferLength, StringLength);
    case SQL_TXN_CAPABLE: return CopyNumber<SQLUSMALLINT>(SQL_TC_DML, InfoValue, StringLength);
    case SQL_CURSOR_COMMIT_BEHAVIOR:
    case SQL_CURSOR_ROLLBACK_BEHAVIOR: return CopyNumber<SQLUSMALLINT>(SQL_CB_CLOSE, InfoValue, StringLength);
    case SQL_GETDATA_EXTENSIONS:
      return CopyNumber<SQLUINTEGER>(SQL_GD_ANY_COLUMN | SQL_GD_ANY_ORDER | SQL_GD_BOUND, InfoValue, StringLength);
    case SQL_SCROLL_OPTIONS: return CopyNumber<SQLUINTEGER>(SQL_SO_FORWARD_ONLY, InfoValue, StringLength);
    case SQL_MAX_CONCURRENT_ACTIVITIES: return CopyNumber<SQLUSMALLINT>(0, InfoValue, StringLength);
    case SQL_ODBC_API_CONFORMANCE: return CopyNumber<SQLSMALLINT>(SQL_OAC_LEVEL1, InfoValue, StringLength);
    default: return c->Fail(u"HY096", u"Information type out of range.");
  }
}

SQLRETURN SQL_API SQLGetFunctions(SQLHDBC ConnectionHandle, SQLUSMALLINT FunctionId, SQLUSMALLINT* Supported) {
  const Locked<Connection> c(ConnectionHandle);
  if (!c) return SQL_INVALID_HANDLE;
  if (!Supported) return c->Fail(u"HY009", u"Invalid use of null pointer.");
  if (FunctionId == SQL_API_ODBC3_ALL_FUNCTIONS) {
    std::fill(Supported, Supported + SQL_API_ODBC3_ALL_FUNCTIONS_SIZE, 0);
    for (SQLUSMALLINT id : kSupportedFunctions) Supported[id >> 4] |= static_cast<SQLUSMALLINT>(1 << (id & 0xF));
    return SQL_SUCCESS;
  }
  if (FunctionId == SQL_API_ALL_FUNCTIONS) {
    std::fill(Supported, Supported + 100, 0);
    for (SQLUSMALLINT id : kSupportedFunctions)
      if (id < 100) Supported[id] = SQL_TRUE;
    return SQL_SUCCESS;
  }
  *Supported = ::Supported(FunctionId) ? SQL_TRUE : SQL_FALSE;
  return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLGetDiagRecW(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT RecNumber, SQLWCHAR* Sqlstate,
                                 SQLINTEGER* NativeError, SQLWCHAR* MessageText, SQLSMALLINT BufferLength,
                                 SQLSMALLINT* TextLength) {
  auto lock = Lock();
  odbc::Handle* h = Table().FindAny(Handle);
  if (!h) return SQL_INVALID_HANDLE;
  const bool kindMatches = (HandleType == SQL_HANDLE_ENV && h->kind == HandleKind::Environment) ||
                           (HandleType == SQL_HANDLE_DBC && h->kind == HandleKind::Connection) ||
                           (HandleType == SQL_HANDLE_STMT && h->kind == HandleKind::Statement);
  if (!kindMatches) return SQL_INVALID_HANDLE;
  if (RecNumber < 1 || BufferLength < 0) return SQL_ERROR;
  if (static_cast<size_t>(RecNumber) > h->diagnostics.size()) return SQL_NO_DATA;
  const DiagRecord& record = h->diagnostics[static_cast<size_t>(RecNumber) - 1];
  return CopyDiagnostic(record, Sqlstate, NativeError, MessageText, BufferLength, TextLength);
}

// The ODBC 2 form: the most specific handle given, one record per call,
// each handed out once.
SQLRETURN SQL_API SQLErrorW(SQLHENV EnvironmentHandle, SQLHDBC ConnectionHandle, SQLHSTMT StatementHandle,
                            SQLWCHAR* Sqlstate, SQLINTEGER* NativeError, SQLWCHAR* MessageText,
                            SQLSMALLINT BufferLength, SQLSMALLINT* TextLength) {
  auto lock = Lock();
  SQLHANDLE handle = StatementHandle ? StatementHandle : ConnectionHandle ? ConnectionHandle : EnvironmentHandle;
  odbc::Handle* h = Table().FindAny(handle);
  if (!h) return SQL_INVALID_HANDLE;
  if (h->diagnostics.empty()) return SQL_NO_DATA;
  const DiagRecord record = h->diagnostics.front();
  h->diagnostics.erase(h->diagnostics.begin());
  return CopyDiagnostic(record, Sqlstate, NativeError, MessageText, BufferLength, TextLength);
}

}  // extern "C"
