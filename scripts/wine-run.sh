#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine, in the project's own prefix.
# With --display, the program gets a virtual X server of its own and Wine's server ends with it,
# so that no Wine process outlives the display it was started on:
#   wine-run.sh [--display [--linux]] PROGRAM [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

if [ "${1:-}" = "--display" ]; then
  shift
  # With --linux, the command is a Linux program that starts the Windows programs itself.
  launcher=(wine)
  if [ "${1:-}" = "--linux" ]; then
    launcher=()
    shift
  fi
  wineserver -k 2>/dev/null || true
  wineserver -w
  # shellcheck disable=SC2016  # expanded by the shell on the virtual display
  exec "$quillet_root/scripts/virtual-display.sh" \
    bash -c 'status=0; "$@" || status=$?; wineserver -k 2>/dev/null || true; exit $status' \
    wine-run "${launcher[@]}" "$@"
fi
exec wine "$@"
