# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced first by the project's scripts: stops at the first failing command, works from the
# project's root, and builds with every core unless the caller says otherwise.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
