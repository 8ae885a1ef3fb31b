# Sourced by the project's scripts: the Wine prefix, the display and the
# long-lived wineserver that a run of Windows programs shares.
orbalin_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$orbalin_root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# Skip the .NET and HTML engine installers: they would try to download.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine_loader=/usr/lib/wine/wine64
wine_server=/usr/lib/wine/wineserver

# What the prefix is made with; a prefix made by an older form of these scripts
# is made again, so that every machine runs the tests in the same prefix.
wine_prefix_version=2

wine_prefix_current() {
  [[ $(cat "$WINEPREFIX/.orbalin-ready" 2>/dev/null) == "$wine_prefix_version" ]]
}

# Creates the prefix once (guarded against parallel callers) and installs the
# project's stand-ins into it when their installer exists.
wine_prefix_ensure() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if ! wine_prefix_current; then
      rm -rf "$WINEPREFIX"
      "$wine_loader" wineboot -i >/dev/null 2>&1
      # Windows are sized by Wine itself, not left to a window manager: there is
      # none on the test display, and a maximised window would keep its old size.
      "$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      wine_fonts_install
      odbc_standin_register
      "$wine_server" -w
      echo "$wine_prefix_version" >"$WINEPREFIX/.orbalin-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Wine's own fonts (Tahoma, Marlett for the caption buttons, ...) are not loaded
# from Debian's fonts-wine folder by this Wine, so they go into the prefix's
# Fonts folder. Tahoma, the programs' font, borrows the glyphs it lacks (Japanese
# text in the sample data) from IPAGothic, ahead of Wine's default links.
wine_fonts_install() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts f
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/*.ttf; do ln -sf "$f" "$fonts/"; done
  local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local defaults
  defaults=$("$wine_loader" reg query "$link" /v Tahoma 2>/dev/null |
             sed -n 's/.*REG_MULTI_SZ[[:space:]]*//p' | tr -d '\r')
  "$wine_loader" reg add "$link" /v Tahoma /t REG_MULTI_SZ /d "ipag.ttf,IPAGothic${defaults:+\\0$defaults}" /f >/dev/null 2>&1
}

# The ODBC stand-in's Excel driver in the prefix's ODBC installer keys
# (odbc_standin_register, defined in standins/odbc/register.sh).
source "$orbalin_root/standins/odbc/register.sh"

# Starts Xvfb on a free display unless DISPLAY already works.
display_ensure() {
  if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local n=90
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  orbalin_xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# One persistent wineserver for the whole run: each program then starts fast.
wine_session_start() {
  display_ensure
  wine_prefix_ensure
  "$wine_server" -p >/dev/null 2>&1 </dev/null
  # Start Wine's background services now, detached from any output pipe: a
  # service that inherited a test's stdout would keep ctest waiting for EOF.
  "$wine_loader" wineboot >/dev/null 2>&1 </dev/null
}

wine_session_stop() {
  "$wine_server" -k >/dev/null 2>&1 || true
  if [[ -n ${orbalin_xvfb_pid:-} ]]; then
    kill "$orbalin_xvfb_pid" 2>/dev/null || true
    wait "$orbalin_xvfb_pid" 2>/dev/null || true
  fi
}

# --- Redemption stand-in -------------------------------------------------------
# Enters the stand-in COM server (the x86_64 build's Redemption.dll, given as a Unix
# path) in the prefix as "Redemption.RDOSession". Wine resolves ProgIDs through
# HKEY_CLASSES_ROOT only, so the keys go there.
redemption_standin_register() {
  local dll=$1 clsid='{5E3B8A31-6C0D-4F7A-9B2E-0A1C4D7E9F21}'
  [[ -f $dll ]] || { echo "redemption_standin_register: no file $dll" >&2; return 1; }
  wine_prefix_current || wine_prefix_ensure
  local windll="Z:${dll//\//\\}"
  "$wine_loader" reg add 'HKCR\Redemption.RDOSession\CLSID' /ve /d "$clsid" /f >/dev/null &&
    "$wine_loader" reg add "HKCR\\CLSID\\$clsid" /ve /d 'Redemption.RDOSession' /f >/dev/null &&
    "$wine_loader" reg add "HKCR\\CLSID\\$clsid\\InprocServer32" /ve /d "$windll" /f >/dev/null &&
    "$wine_loader" reg add "HKCR\\CLSID\\$clsid\\InprocServer32" /v ThreadingModel /d Apartment /f >/dev/null
}
