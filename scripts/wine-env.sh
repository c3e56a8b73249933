# SPDX-License-Identifier: MIT
# Sourced: sets up Wine for the Windows edition, in the project's own prefix, made on first use.
quillet_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QUILLET_WINEPREFIX:-$quillet_root/build/wine-prefix}
# A caller's own overrides (WINEDLLOVERRIDES set before) are kept.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  [ -f "$WINEPREFIX/.quillet-ready" ] || "$quillet_root/scripts/wine-prefix.sh"
) 9>"$WINEPREFIX.lock"
