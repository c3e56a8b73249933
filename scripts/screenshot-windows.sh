#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Opens the Windows edition under Wine on a virtual X server and saves a picture of its window,
# caption bar and frame included: scripts/screenshot-windows.sh OUT.png
# Expects it built (cmake --preset windows && cmake --build --preset windows).
set -euo pipefail
output=$(realpath -m "${1:?usage: scripts/screenshot-windows.sh OUT.png}")
source "$(dirname "$0")/wine-env.sh"
export QUILLET_EXE=$quillet_root/build/windows/bin/quillet.exe QUILLET_SHOT=$output

wineserver -k 2>/dev/null || true
wineserver -w
xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -noreset" bash -c '
  set -euo pipefail
  wine "$QUILLET_EXE" &
  trap "wineserver -k 2>/dev/null || true" EXIT
  for _ in $(seq 200); do
    window=$(xwininfo -root -tree | awk "/\"Quillet\": \\(\"quillet.exe\"/ {print \$1}")
    [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1  # let the first frame be painted
  import -window "$window" "$QUILLET_SHOT"
'
echo "Saved a picture of the Windows edition to $output"
