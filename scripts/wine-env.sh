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

# Creates the prefix once (guarded against parallel callers) and installs the
# project's stand-ins into it when their installer exists.
wine_prefix_ensure() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [[ ! -f $WINEPREFIX/.orbalin-ready ]]; then
      rm -rf "$WINEPREFIX"
      "$wine_loader" wineboot -i >/dev/null 2>&1
      "$wine_server" -w
      touch "$WINEPREFIX/.orbalin-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

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
