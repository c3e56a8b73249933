#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X server of its own, which ends with it:
#   scripts/virtual-display.sh COMMAND [ARGUMENT...]
# The command gets a runtime folder of its own too: in the caller's, Qt would find the caller's
# Wayland display and show its window there instead.
set -euo pipefail
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -noreset" "$@"
