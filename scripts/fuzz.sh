#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzzers and runs each in turn for the given number of seconds (600 unless told):
#   scripts/fuzz.sh [SECONDS]
# Each starts from its committed seeds (fuzz/corpus/NAME) and from what earlier runs found
# (build/fuzz/corpus/NAME). A finding stops that fuzzer; its input is saved to build/fuzz/findings/
# and this script fails. Replay one with: build/fuzz/fuzz/NAME_fuzzer FILE
source "$(dirname "$0")/project.sh"
seconds=${1:-600}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/findings

status=0
for source in fuzz/*_fuzzer.cpp; do
  fuzzer=$(basename "$source" _fuzzer.cpp)
  mkdir -p "build/fuzz/corpus/$fuzzer"
  options=()
  [ -f "fuzz/$fuzzer.dict" ] && options+=("-dict=fuzz/$fuzzer.dict")
  echo "== $fuzzer: ${seconds} s"
  if ! "build/fuzz/fuzz/${fuzzer}_fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/findings/$fuzzer-" "${options[@]}" \
    "build/fuzz/corpus/$fuzzer" "fuzz/corpus/$fuzzer" 2>"build/fuzz/$fuzzer.log"; then
    status=1
    grep -E 'Property broken|ERROR|SUMMARY|Test unit written' "build/fuzz/$fuzzer.log" || true
  fi
  grep -E '^Done|stat::number_of_executed_units|stat::peak_rss_mb' "build/fuzz/$fuzzer.log" || true
done
exit $status
