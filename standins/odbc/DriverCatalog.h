#pragma once
// Which driver a connection string names: this DLL carries exactly one, the
// Excel driver, and serves it only under a name that the ODBC installer keys
// list as installed (as the system's driver manager would).
#include <string>
#include <string_view>

namespace odbc {

inline constexpr std::u16string_view kExcelDriverName = u"Microsoft Excel Driver (*.xls)";

class DriverCatalog {
 public:
  // True when the name is listed under ODBCINST.INI\ODBC Drivers as installed.
  static bool IsInstalled(std::u16string_view name);
  // True when the installed name is the one this DLL serves.
  static bool IsBuiltIn(std::u16string_view name);
};

}  // namespace odbc
