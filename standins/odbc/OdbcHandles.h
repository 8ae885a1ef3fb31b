#pragma once
// The driver manager's handles and their diagnostics. Every handle an
// application passes in is looked up among the live ones first, so a stale or
// foreign pointer answers SQL_INVALID_HANDLE instead of being followed.
#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "ExcelDatabase.h"

namespace odbc {

struct DiagRecord {
  std::u16string state;
  std::u16string message;  // with the component prefix
};

enum class HandleKind { Environment, Connection, Statement };

struct Handle {
  explicit Handle(HandleKind k) : kind(k) {}
  virtual ~Handle() = default;

  // Answers SQL_ERROR after recording the failure.
  SQLRETURN Fail(std::u16string_view state, std::u16string_view message);
  // The same for a failure of the Excel driver (message in UTF-8).
  SQLRETURN FailDriver(const std::string& state, const std::string& message);
  void Warn(std::u16string_view state, std::u16string_view message);

  HandleKind kind;
  std::vector<DiagRecord> diagnostics;
};

struct Connection;
struct Statement;

struct Environment : Handle {
  static constexpr HandleKind kKind = HandleKind::Environment;
  Environment() : Handle(kKind) {}
  SQLINTEGER odbcVersion = SQL_OV_ODBC3;
  std::vector<Connection*> connections;
};

struct Connection : Handle {
  static constexpr HandleKind kKind = HandleKind::Connection;
  explicit Connection(Environment* e) : Handle(kKind), environment(e) {}
  bool Connected() const { return database.has_value(); }
  // Writes the workbook when statements changed it; false with a diagnostic otherwise.
  bool Persist();

  Environment* environment;
  std::optional<xls::ExcelDatabase> database;
  std::filesystem::path path;
  xls::OpenOptions options;
  std::u16string connectionString;
  bool autocommit = true;
  std::vector<Statement*> statements;
};

struct ColumnBinding {
  SQLSMALLINT type = 0;
  SQLPOINTER target = nullptr;
  SQLLEN capacity = 0;
  SQLLEN* indicator = nullptr;
};

struct Statement : Handle {
  static constexpr HandleKind kKind = HandleKind::Statement;
  explicit Statement(Connection* c) : Handle(kKind), connection(c) {}
  void CloseCursor();

  Connection* connection;
  std::u16string prepared;
  std::optional<xls::ResultSet> rows;
  size_t position = 0;  // 1-based current row; 0 before the first fetch
  SQLLEN affectedRows = -1;
  // SQLGetData hands a long value out in parts: the column and how far it got.
  SQLUSMALLINT partColumn = 0;
  size_t partOffset = 0;
  std::vector<ColumnBinding> bindings;  // by column number, 0 unused
};

// The live handles; one lock serialises the whole API, as one connection's
// workbook is not made for concurrent use.
class HandleTable {
 public:
  static HandleTable& Instance();
  std::recursive_mutex& Lock() { return lock_; }

  template <typename T>
  T* Find(SQLHANDLE handle) {
    auto* h = static_cast<Handle*>(handle);
    if (!h || !live_.contains(h) || h->kind != T::kKind) return nullptr;
    return static_cast<T*>(h);
  }
  Handle* FindAny(SQLHANDLE handle) {
    auto* h = static_cast<Handle*>(handle);
    return h && live_.contains(h) ? h : nullptr;
  }
  void Add(Handle* h) { live_.insert(h); }
  void Remove(Handle* h) { live_.erase(h); }

 private:
  std::recursive_mutex lock_;
  std::unordered_set<Handle*> live_;
};

// Component prefixes of the messages, as ODBC diagnostics carry them.
inline constexpr std::u16string_view kManagerPrefix = u"[Orbalin][ODBC Driver Manager]";
inline constexpr std::u16string_view kDriverPrefix = u"[Orbalin][ODBC Excel Driver]";

}  // namespace odbc
