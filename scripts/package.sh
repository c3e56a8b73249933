#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quillet with optimisation and makes its Debian package,
# build/release/quillet_1.00_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
