#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Opens the built window on a virtual X server and saves a picture of it: scripts/screenshot.sh OUT.png
# Expects a built program (scripts/run.sh builds it); QUILLET_BINARY overrides where it is.
set -euo pipefail
output=$(realpath -m "${1:?usage: scripts/screenshot.sh OUT.png}")
cd "$(dirname "$0")/.."
binary=${QUILLET_BINARY:-build/release/ui/qt/quillet}

export QUILLET_BINARY_PATH=$(realpath "$binary") QUILLET_SHOT=$output
xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -noreset" bash -c '
  set -euo pipefail
  export XDG_RUNTIME_DIR=$(mktemp -d)
  "$QUILLET_BINARY_PATH" &
  program=$!
  trap "kill $program 2>/dev/null || true" EXIT
  for _ in $(seq 100); do
    xwininfo -name Quillet 2>/dev/null | grep -q IsViewable && break
    sleep 0.1
  done
  sleep 1  # let the first frame be painted
  import -window Quillet "$QUILLET_SHOT"
'
echo "Saved a picture of the window to $output"
