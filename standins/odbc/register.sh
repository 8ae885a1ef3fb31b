#!/usr/bin/env bash
# Enters the ODBC stand-in's Excel driver in the Wine prefix's ODBC installer
# keys, where SQLGetInstalledDriversW lists it and the stand-in looks it up.
# Idempotent. Sourced by scripts/wine-env.sh; run directly it registers at once.
odbc_standin_register() {
  local name='Microsoft Excel Driver (*.xls)'
  local loader=${wine_loader:-/usr/lib/wine/wine64}
  "$loader" reg add 'HKLM\Software\ODBC\ODBCINST.INI\ODBC Drivers' /v "$name" /t REG_SZ /d Installed /f >/dev/null 2>&1 &&
    "$loader" reg add "HKLM\\Software\\ODBC\\ODBCINST.INI\\$name" /v Driver /t REG_SZ /d odbc32.dll /f >/dev/null 2>&1 &&
    "$loader" reg add "HKLM\\Software\\ODBC\\ODBCINST.INI\\$name" /v Setup /t REG_SZ /d odbc32.dll /f >/dev/null 2>&1
}

# Run directly (wine-env.sh, which sources this file, sets orbalin_root first).
if [[ ${BASH_SOURCE[0]} == "$0" && -z ${orbalin_root:-} ]]; then
  source "$(dirname "$0")/../../scripts/wine-env.sh"
  odbc_standin_register || { echo "registering the ODBC stand-in's Excel driver failed" >&2; exit 1; }
fi
