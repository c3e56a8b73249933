#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Opens a built edition on a virtual X server and saves a picture of its window:
#   scripts/screenshot.sh [--windows] OUT.png
# The Qt window, as scripts/run.sh builds it (QUILLET_BINARY overrides where it is); with --windows,
# the Windows edition under Wine, caption bar and frame included, as
# `cmake --preset windows && cmake --build --preset windows` builds it. Fails when no window shows.
set -euo pipefail
edition=qt
if [ "${1:-}" = --windows ]; then
  edition=windows
  shift
fi
output=$(realpath -m "${1:?usage: scripts/screenshot.sh [--windows] OUT.png}")
source "$(dirname "$0")/project.sh"

# Run on the virtual display: starts the program, waits up to 20 s for the window named Quillet
# that has a class (Qt gives that name to a hidden helper window too) to be shown, and gives it a
# second to paint its first frame before the picture.
# shellcheck disable=SC2016  # expanded by the shell on the virtual display
capture='
  "$@" &
  trap "kill $! 2>/dev/null || true" EXIT
  for _ in $(seq 200); do
    window=$(xwininfo -root -tree | awk "/\"Quillet\": \\(\"/ {print \$1; exit}")
    [ -n "$window" ] && xwininfo -id "$window" | grep -q IsViewable && break
    window=""
    sleep 0.1
  done
  [ -n "$window" ] || { echo "screenshot.sh: no window of Quillet showed within 20 s" >&2; exit 1; }
  sleep 1
  import -window "$window" "$0"
'
if [ "$edition" = windows ]; then
  scripts/wine-run.sh --display --linux \
    bash -c "$capture" "$output" wine build/windows/bin/quillet.exe
else
  binary=$(realpath "${QUILLET_BINARY:-build/release/ui/qt/quillet}")
  scripts/virtual-display.sh bash -c "$capture" "$output" "$binary"
fi
echo "Saved a picture of the window to $output"
