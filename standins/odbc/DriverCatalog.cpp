#include "DriverCatalog.h"

#include <windows.h>

#include <cwctype>

namespace odbc {

bool DriverCatalog::IsInstalled(std::u16string_view name) {
  if (name.empty()) return false;
  const std::wstring value(name.begin(), name.end());
  wchar_t data[64] = {};
  DWORD size = sizeof(data) - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\ODBC\\ODBCINST.INI\\ODBC Drivers", value.c_str(),
                   RRF_RT_REG_SZ, &type, data, &size) != ERROR_SUCCESS)
    return false;
  return _wcsicmp(data, L"Installed") == 0;
}

bool DriverCatalog::IsBuiltIn(std::u16string_view name) {
  if (name.size() != kExcelDriverName.size()) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (std::towlower(name[i]) != std::towlower(kExcelDriverName[i])) return false;
  return true;
}

}  // namespace odbc
