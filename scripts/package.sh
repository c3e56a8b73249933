#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds Quillet's release artefacts into build/artefacts, with
# their checksums in build/artefacts/SHA256SUMS:
#   quillet_1.00_<architecture>.deb   the Debian package (also left in build/release)
#   quillet.exe                       the Windows edition
#   quillet-1.00-windows.zip          the Windows edition's download
# The same commit gives the same bytes on any machine (see the README's "Check a download").
source "$(dirname "$0")/project.sh"

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target deb
cmake --preset windows >/dev/null
cmake --build --preset windows --target windows_zip

artefacts=build/artefacts
rm -rf "$artefacts"
mkdir -p "$artefacts"
cp build/release/quillet_*.deb build/windows/bin/quillet.exe build/windows/quillet-*-windows.zip \
  "$artefacts"
(cd "$artefacts" && LC_ALL=C sha256sum -- * >SHA256SUMS)
cat "$artefacts/SHA256SUMS"
