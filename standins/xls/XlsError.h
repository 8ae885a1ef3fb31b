#pragma once
// The one failure type of the library: a clear message (UTF-8) and the
// SQLSTATE that the ODBC layer reports with it.
#include <stdexcept>
#include <string>

namespace xls {

class XlsError : public std::runtime_error {
 public:
  XlsError(std::string sqlState, const std::string& message)
      : std::runtime_error(message), sqlState_(std::move(sqlState)) {}
  const std::string& SqlState() const { return sqlState_; }

 private:
  std::string sqlState_;
};

// SQLSTATEs the driver reports.
inline constexpr const char* kStateGeneral = "HY000";
inline constexpr const char* kStateSyntax = "42000";
inline constexpr const char* kStateTableExists = "42S01";
inline constexpr const char* kStateNoTable = "42S02";
inline constexpr const char* kStateNoColumn = "42S22";
inline constexpr const char* kStateColumnExists = "42S21";
inline constexpr const char* kStateColumnCount = "21S01";
inline constexpr const char* kStateTooLong = "22001";
inline constexpr const char* kStateCannotOpen = "08001";

}  // namespace xls
