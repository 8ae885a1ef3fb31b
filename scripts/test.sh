#!/usr/bin/env bash
# Installs what is missing, builds all three builds and runs every test:
# the portable libraries natively (sanitizers, bounded fuzzing), the Windows
# programs of the x86_64 build under wine64 and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" native x86_64 i686
source "$root/scripts/wine-env.sh"
trap wine_session_stop EXIT
wine_session_start
status=0
# The native tests (sanitizers, bounded fuzzing) use the processor while the
# Windows tests wait on windows: both run at once, the native output is shown
# when they are done.
native_log=$root/build/native-tests.log
ctest --test-dir "$root/build/native" -j "$(nproc)" --output-on-failure >"$native_log" 2>&1 &
native_pid=$!
echo "== Windows tests (x86_64 under Wine)"
ctest --test-dir "$root/build/x86_64" -j "$(nproc)" --output-on-failure || status=1
wait "$native_pid" || status=1
echo "== native tests"
cat "$native_log"
exit $status
