#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the icon's PNG sizes, the window icon's raw RGBA pixels for the title bar and task bar
# sizes, and the Windows .ico from ui/resources/quillet.svg.
# The results are committed; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../ui/resources"

for size in 16 32 48 64 128 256; do
  /usr/bin/convert -background none -density $((size * 3 / 2)) quillet.svg \
    -resize "${size}x${size}" -strip "quillet-${size}.png"
done
for size in 16 32 48; do
  /usr/bin/convert "quillet-${size}.png" -depth 8 "rgba:quillet-${size}.rgba"
done
/usr/bin/convert quillet-16.png quillet-32.png quillet-48.png quillet-256.png quillet.ico
