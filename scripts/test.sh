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
echo "== native tests"
ctest --test-dir "$root/build/native" -j "$(nproc)" --output-on-failure || status=1
echo "== Windows tests (x86_64 under Wine)"
ctest --test-dir "$root/build/x86_64" -j "$(nproc)" --output-on-failure || status=1
exit $status
