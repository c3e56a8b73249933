#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the project's own sources without running them, and fails on any finding: the licence
# line, the shell scripts (shellcheck, .shellcheckrc), formatting (.clang-format), clang-tidy
# (.clang-tidy) and cppcheck. clang-tidy reads the compile commands of a clang configuration of
# every target, tests, fuzzers and benchmarks included.
source "$(dirname "$0")/project.sh"

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
# The Windows edition's sources need the Windows headers: the mingw-w64 build checks them, with
# every warning an error.
mapfile -t units < <(git ls-files '*.cpp' ':!ui/win32' ':!tests/win32' ':!bench/win32_*')

echo "== licence"
# Every source file says its licence in its first lines, where tools that read SPDX tags look.
unlabelled=$(git ls-files '*.cpp' '*.h' '*.rc' '*.py' '*.sh' '*.cmake' '*CMakeLists.txt' .ci/run |
  while read -r file; do head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"; done)
if [ -n "$unlabelled" ]; then
  printf 'No SPDX-License-Identifier line:\n%s\n' "$unlabelled"
  exit 1
fi

echo "== shellcheck"
mapfile -t scripts < <(git ls-files '*.sh' .ci/run)
shellcheck "${scripts[@]}"

echo "== clang-format"
clang-format --dry-run -Werror "${sources[@]}"

echo "== clang-tidy"
cmake -S . -B build/static -G "Unix Makefiles" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DQUILLET_BUILD_FUZZERS=ON -DQUILLET_BUILD_BENCHMARKS=ON \
  -DCMAKE_GLOBAL_AUTOGEN_TARGET=ON >/dev/null
# The window's sources and tests include what moc generates, for every target that has any.
cmake --build build/static --target autogen >/dev/null
# clang-tidy counts the warnings it found in the system's headers and left out; only that line is
# dropped, and its own findings and errors show.
printf '%s\n' "${units[@]}" | xargs -P2 -n4 clang-tidy -p build/static --quiet 2>&1 |
  { grep -v '^[0-9]* warnings\? generated\.$' || true; }

echo "== cppcheck"
# unusedStructMember: cppcheck 2.10 sees no member read through a structured binding or through
# std::optional, which is how the table-driven tests read their rows and how results are returned.
# constParameterCallback: Google Benchmark calls each benchmark with a State it must be able to
# change, which cppcheck has no description of. normalCheckLevelMaxBranches: cppcheck 2.17 says
# where it analysed fewer branches, which is no finding.
cppcheck --std=c++20 --language=c++ --enable=warning,style,performance,portability \
  --library=qt --library=googletest --library=posix --inline-suppr -I . -j2 -q \
  --suppress=missingIncludeSystem --suppress=unusedStructMember \
  --suppress='constParameterCallback:bench/*' --suppress=normalCheckLevelMaxBranches \
  --error-exitcode=1 \
  --template='{file}:{line}: {severity}: {message} [{id}]' \
  app convert password interest ui/qt ui/win32 tests fuzz bench
echo "No findings."
