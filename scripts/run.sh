#!/usr/bin/env bash
# Builds the program (x86_64) and starts it as the user does: through the
# launcher OrbalinStart.exe, which finds the Notes client in the registry, puts
# its directory on PATH and starts Orbalin.exe from the current directory. The
# Notes client here is the stand-in built beside the program, with the sample
# databases in its Data directory. When no display is usable, Wine runs on a
# private Xvfb: the script then saves a screenshot after a few seconds to
# build/run-screenshot.png and closes the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/x86_64
app_dir=$build/app
launcher=$build/launcher/OrbalinStart.exe
notes_dir=$build/notes

"$root/scripts/install-deps.sh"
ORBALIN_BUILD_ROOT=$root/build ORBALIN_TARGETS="Orbalin OrbalinStart lnapi redemption_standin" \
  "$root/scripts/build.sh" x86_64

source "$root/scripts/wine-env.sh"
# A wineserver already running for the prefix makes "wineserver -p" fail: that is fine.
wine_session_start || xdpyinfo >/dev/null 2>&1

# The registry value the launcher reads: the Notes client's directory.
"$wine_loader" reg add 'HKLM\SOFTWARE\Lotus\Notes' /v path /d "Z:${notes_dir//\//\\}" /f >/dev/null
# The PST writer's automation server, when it was built.
redemption_dll=$(find "$build/standins" -name Redemption.dll -print -quit 2>/dev/null || true)
[[ -n $redemption_dll ]] && redemption_standin_register "$redemption_dll"

# The program's Windows path as the process list shows it, to find the process
# that the launcher started (the launcher itself ends at once).
program_win="Z:${app_dir//\//\\}\\Orbalin.exe"
program_pids() { pgrep -f -x "${program_win//\\/\\\\}.*" || true; }

# The launcher starts Orbalin.exe from its current directory. The programs run
# in a Wine desktop of the screen's size: one window on the display, inside which
# Wine places and sizes their windows itself (the prefix does not hand them to a
# window manager), so the maximised frame fills it as on Windows.
cd "$app_dir"
screen=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {d = $2} END {print d}')
"$root/scripts/wine-run" explorer "/desktop=Orbalin,${screen:-1280x1024}" "$launcher" &

for _ in $(seq 50); do [[ -n $(program_pids) ]] && break; sleep 0.2; done
pids=$(program_pids)
if [[ -z $pids ]]; then
  echo "Orbalin did not start" >&2
  exit 1
fi

if [[ -z ${orbalin_xvfb_pid:-} ]]; then
  while [[ -n $(program_pids) ]]; do sleep 1; done
  exit
fi

sleep 8
"$root/scripts/screenshot.sh" "$root/build/run-screenshot.png"
echo "No usable display: the program ran on Xvfb $DISPLAY; screenshot saved to build/run-screenshot.png"
for pid in $pids; do kill "$pid" 2>/dev/null || true; done
wine_session_stop
