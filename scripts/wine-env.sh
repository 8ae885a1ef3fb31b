# Sourced by the project's scripts: the Wine prefix, the display and the
# long-lived wineserver that a run of Windows programs shares.
orbalin_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A program run with ORBALIN_WINE_THEME=<style> ("light": Wine's built-in visual
# style, "off": none) gets a prefix of that style beside the shared one: uxtheme
# reads the style from HKCU when a process starts, and HKCU belongs to a whole
# prefix, so switching it in the shared prefix would change what every test
# running at the same time sees.
if [[ -n ${ORBALIN_WINE_THEME:-} ]]; then
  export WINEPREFIX=$orbalin_root/build/wineprefix-$ORBALIN_WINE_THEME
else
  export WINEPREFIX=${WINEPREFIX:-$orbalin_root/build/wineprefix}
fi
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# Skip the .NET and HTML engine installers: they would try to download.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine_loader=/usr/lib/wine/wine64
wine_server=/usr/lib/wine/wineserver

# What the prefix is made with; a prefix made by an older form of these scripts
# is made again, so that every machine runs the tests in the same prefix.
wine_prefix_version=2
wine_prefix_stamp=$wine_prefix_version${ORBALIN_WINE_THEME:+-$ORBALIN_WINE_THEME}

wine_prefix_current() {
  [[ $(cat "$WINEPREFIX/.orbalin-ready" 2>/dev/null) == "$wine_prefix_stamp" ]]
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
      [[ -n ${ORBALIN_WINE_THEME:-} ]] && wine_theme_set "$ORBALIN_WINE_THEME"
      "$wine_server" -w
      echo "$wine_prefix_stamp" >"$WINEPREFIX/.orbalin-ready"
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

# The prefix's visual style: "light" (Wine's built-in theme, which wineboot puts
# into the prefix) or "off".
wine_theme_set() {
  local key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
  case $1 in
    light)
      "$wine_loader" reg add "$key" /v DllName /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
      "$wine_loader" reg add "$key" /v ColorName /d Blue /f >/dev/null 2>&1
      "$wine_loader" reg add "$key" /v ThemeActive /d 1 /f >/dev/null 2>&1 ;;
    off)
      "$wine_loader" reg add "$key" /v ThemeActive /d 0 /f >/dev/null 2>&1
      wine_classic_colours ;;
    *) echo "unknown visual style: $1" >&2; return 1 ;;
  esac
}

# Windows' classic system colours (wineboot leaves those of Wine's light theme),
# imported in one go.
wine_classic_colours() {
  local file=$WINEPREFIX/drive_c/classic-colours.reg pair
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
    for pair in ActiveBorder=192,192,192 ActiveTitle=0,0,128 AppWorkSpace=128,128,128 Background=0,128,128 \
                ButtonAlternateFace=192,192,192 ButtonDkShadow=0,0,0 ButtonFace=192,192,192 \
                ButtonHilight=255,255,255 ButtonLight=192,192,192 ButtonShadow=128,128,128 ButtonText=0,0,0 \
                GradientActiveTitle=16,132,208 GradientInactiveTitle=181,181,181 GrayText=128,128,128 \
                Hilight=0,0,128 HilightText=255,255,255 HotTrackingColor=0,0,255 InactiveBorder=192,192,192 \
                InactiveTitle=128,128,128 InactiveTitleText=192,192,192 InfoText=0,0,0 InfoWindow=255,255,225 \
                Menu=192,192,192 MenuBar=192,192,192 MenuHilight=0,0,128 MenuText=0,0,0 Scrollbar=192,192,192 \
                TitleText=255,255,255 Window=255,255,255 WindowFrame=0,0,0 WindowText=0,0,0; do
      printf '"%s"="%s"\r\n' "${pair%%=*}" "$(tr , ' ' <<<"${pair#*=}")"
    done
  } >"$file"
  "$wine_loader" reg import 'C:\classic-colours.reg' >/dev/null 2>&1
  rm -f "$file"
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
