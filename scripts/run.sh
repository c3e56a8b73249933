#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quillet and opens its window. Without a display, it opens the
# window on a virtual X server instead and saves a picture of it to quillet-window.png.
source "$(dirname "$0")/project.sh"

scripts/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release --target quillet

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/ui/qt/quillet
fi
echo "No display here: opening the window on a virtual X server."
scripts/screenshot.sh quillet-window.png
