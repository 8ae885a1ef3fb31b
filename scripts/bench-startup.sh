#!/usr/bin/env bash
# Start-up benchmark: starts the x86_64 Orbalin.exe under Wine several times and
# measures the time from the process start to its main window being mapped on
# the X display (the frame is shown maximised once the view has been created).
# Usage: scripts/bench-startup.sh [runs] [build folder]   (default 5, build/x86_64)
# With DISPLAY unset it runs on a private Xvfb, away from other programs' windows.
# Goal: under 2 s. The program is ended by its process id after each run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
build=${2:-$root/build/x86_64}
program=$build/app/Orbalin.exe
[[ -f $program ]] || { echo "no $program: build x86_64 first" >&2; exit 2; }
export WINEPATH="Z:${build//\//\\}\\notes"

source "$root/scripts/wine-env.sh"
# A wineserver already running for the prefix makes "wineserver -p" fail: that is fine.
wine_session_start || xdpyinfo >/dev/null 2>&1
# An Xvfb started here goes when the script ends (the wineserver stays: it is shared).
[[ -n ${orbalin_xvfb_pid:-} ]] && trap 'kill "$orbalin_xvfb_pid" 2>/dev/null || true' EXIT

title=' Orbalin - ver 8.06.01'
mapped() { xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | grep -vq 'has no name' ; }
if mapped; then
  echo "a window \"$title\" is already on $DISPLAY; close it first" >&2
  exit 2
fi

total=0
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$wine_loader" "$program" >/dev/null 2>&1 &
  pid=$!
  until mapped; do
    sleep 0.02
    if ! kill -0 "$pid" 2>/dev/null; then echo "run $i: Orbalin ended before showing its window" >&2; exit 1; fi
    (( $(date +%s%N) - start < 30000000000 )) || { echo "run $i: no window after 30 s" >&2; kill "$pid"; exit 1; }
  done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  total=$((total + ms))
  echo "run $i: ${ms} ms"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  while mapped; do sleep 0.1; done
  # The single-instance mutex goes with the process: let the wineserver see it end.
  sleep 1
done
echo "mean of $runs runs: $((total / runs)) ms (goal: under 2000 ms)"
