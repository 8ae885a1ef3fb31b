#!/usr/bin/env bash
# Saves a PNG of the X screen, or of one X window: scripts/screenshot.sh out.png [window-id]
set -euo pipefail
out=$1
tmp=$(mktemp --suffix=.xwd)
if [[ $# -ge 2 ]]; then xwd -silent -id "$2" >"$tmp"; else xwd -root -silent >"$tmp"; fi
convert "$tmp" "$out"
rm -f "$tmp"
