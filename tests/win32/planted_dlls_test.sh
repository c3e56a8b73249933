#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plants a marking DLL beside a copy of quillet.exe under the name of every DLL the program loads
# that is not one of Windows' KnownDLLs, and has Wine prefer such native copies to its own, as a
# Downloads folder with an attacker's files would. The window tests then drive that copy: they
# must pass, and none of the planted DLLs may have been loaded.
#   planted_dlls_test.sh PLANTED_DLL QUILLET_EXE WINDOW_TESTS_EXE
set -euo pipefail
planted=$1 program=$2 window_tests=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=$(dirname "$program")/planted
dlls=(comctl32 uxtheme msimg32 oleacc oleaut32 ole32 combase rpcrt4 bcrypt)

rm -rf "$folder"
mkdir -p "$folder"
cp "$program" "$folder/quillet.exe"
for dll in "${dlls[@]}"; do
  cp "$planted" "$folder/$dll.dll"
done

passed=0 failed=0
report() {  # report PASSED DESCRIPTION
  if [ "$1" = yes ]; then
    echo "ok   $2"
    passed=$((passed + 1))
  else
    echo "FAIL $2"
    failed=$((failed + 1))
  fi
}
tests_pass=yes
# The window, what screen readers hear, a click, and copies through the subclassed boxes: the work
# of every DLL planted here.
window_checks='*StartsWithTheDesignValues:*TheButtonDraws*:*ScreenReaders*:*ClipboardHistories'
QUILLET_EXE="Z:${folder//\//\\}\\quillet.exe" WINEDLLOVERRIDES="$(IFS=,; echo "${dlls[*]}")=n,b" \
  "$root/scripts/wine-run.sh" --display "$window_tests" --gtest_filter="$window_checks" || tests_pass=no
report $tests_pass "the window tests pass with the planted DLLs beside the program"
for dll in "${dlls[@]}"; do
  not_loaded=yes
  [ ! -e "$folder/$dll.dll.loaded" ] || not_loaded=no
  report $not_loaded "the planted $dll.dll was not loaded"
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
