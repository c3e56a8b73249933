# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced: sets up Wine for the Windows edition, in the project's own prefix, made on first use.
quillet_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QUILLET_WINEPREFIX:-$quillet_root/build/wine-prefix}
# Wine neither offers to install its .NET and HTML engines nor makes menu entries. A caller's own
# overrides (WINEDLLOVERRIDES set before) are kept, but the prefix is made without them.
wine_overrides="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=-all WINEDLLOVERRIDES="$wine_overrides${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  [ -f "$WINEPREFIX/.quillet-ready" ] ||
    WINEDLLOVERRIDES=$wine_overrides "$quillet_root/scripts/wine-prefix.sh"
) 9>"$WINEPREFIX.lock"
