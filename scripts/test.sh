#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds every target and runs every test: on Linux with and
# without optimisation (the optimiser finds warnings of its own), and the Windows edition,
# cross-built and run under Wine.
source "$(dirname "$0")/project.sh"

# The memory test starts Quillet as another user, in a home folder it gives to that user, and
# reads Quillet's memory as root.
[ "$(id -u)" -eq 0 ] || { echo "test.sh: run it as root: the memory test needs root" >&2; exit 2; }
scripts/install-deps.sh
for preset in debug release windows; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
# The release artefacts, built a second time from a copy elsewhere, must come out byte for byte.
scripts/check-reproducible.sh

# Under stress: every test again under AddressSanitizer and UndefinedBehaviorSanitizer, a replay of
# each fuzzer's committed seeds, then the static analysis.
for preset in sanitize fuzz; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
scripts/check-static.sh
