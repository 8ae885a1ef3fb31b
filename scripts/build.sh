#!/usr/bin/env bash
# Configures and builds one or more of the project's builds:
#   native  portable libraries with clang, sanitizers and fuzz targets
#   x86_64  the Windows build the tests run under wine64
#   i686    the delivered 32-bit Windows build: the two programs, compiled and
#           linked only (its tests cannot run here)
# Usage: scripts/build.sh [native|x86_64|i686]...   (default: all three)
# ORBALIN_BUILD_ROOT overrides the build folder (default build/), ORBALIN_TARGETS
# limits the build to the targets named (space separated).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${ORBALIN_BUILD_ROOT:-$root/build}
builds=("$@")
((${#builds[@]})) || builds=(native x86_64 i686)
jobs=$(nproc)
for b in "${builds[@]}"; do
  dir=$build_root/$b
  case $b in
    native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
    x86_64) args=(-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-x86_64-w64-mingw32.cmake
                  -DCMAKE_CROSSCOMPILING_EMULATOR=$root/scripts/wine-run) ;;
    i686)   args=(-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-i686-w64-mingw32.cmake) ;;
    *) echo "unknown build: $b" >&2; exit 2 ;;
  esac
  # Configure every time: components appear as folders, which only a configure run sees.
  # The Windows builds are optimised without debug information, which would take a third
  # of their compile time; the native build keeps it for the sanitizers' reports.
  case $b in
    native) type=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    *) type=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG") ;;
  esac
  cmake -S "$root" -B "$dir" -G Ninja "${type[@]}" "${args[@]}" >/dev/null
  echo "== building $b"
  targets=${ORBALIN_TARGETS:-}
  [[ $b == i686 && -z $targets ]] && targets="Orbalin OrbalinStart"
  cmake --build "$dir" -j "$jobs" ${targets:+--target $targets}
done
