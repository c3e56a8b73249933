#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Wine prefix the Windows edition's tests run in, for wine-env.sh, which sets up Wine's
# variables first: WINEPREFIX names the prefix.
set -euo pipefail
: "${WINEPREFIX:?}" "${WINEDLLOVERRIDES:?}"

rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

# Debian's Wine does not load the fonts it ships: they must lie in the prefix.
ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# Japanese faces a Japanese Windows has, mapped to one Debian has; without it the option
# button "16進数" shows its characters as empty boxes. A virtual desktop gives the window a
# caption bar and frame even where no window manager runs. regedit reads UTF-16, which keeps the
# Japanese names intact whatever the locale.
registry=$(mktemp --suffix=.reg)
trap 'rm -f "$registry"' EXIT
iconv -f UTF-8 -t UTF-16 > "$registry" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="800x600"
REG
wine regedit /S "$(winepath -w "$registry")" >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.quillet-ready"
