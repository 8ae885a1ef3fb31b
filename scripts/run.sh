#!/usr/bin/env bash
# Builds the program (x86_64) and runs it under Wine until it ends. When no
# display is usable, Wine runs on a private Xvfb: the script then saves a
# screenshot after a few seconds to build/run-screenshot.png and closes the
# program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$root/build/x86_64/app/Orbalin.exe

"$root/scripts/install-deps.sh"
ORBALIN_BUILD_ROOT=$root/build ORBALIN_TARGETS=Orbalin "$root/scripts/build.sh" x86_64

# Orbalin finds the Notes API through PATH, as the launcher arranges it: here
# the stand-in Notes client built beside the program.
export WINEPATH="Z:${root//\//\\}\\build\\x86_64\\notes"

source "$root/scripts/wine-env.sh"
wine_session_start

if [[ -z ${orbalin_xvfb_pid:-} ]]; then
  "$root/scripts/wine-run" "$program"
  exit
fi

"$root/scripts/wine-run" "$program" &
program_pid=$!
sleep 8
"$root/scripts/screenshot.sh" "$root/build/run-screenshot.png"
echo "No usable display: the program ran on Xvfb $DISPLAY; screenshot saved to build/run-screenshot.png"
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
wine_session_stop
