#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs every benchmark, then writes docs/performance.md: each figure beside its
# baseline and target, the machine it ran on, and the command that reproduces it. Takes a few
# minutes; the figures mean most on an otherwise idle machine.
#   scripts/benchmark.sh [START_RUNS]    (30 starts of each program unless told)
source "$(dirname "$0")/project.sh"
starts=${1:-30}

scripts/install-deps.sh
cmake --preset benchmark >/dev/null
cmake --build --preset benchmark
bench=build/benchmark/bench
results=build/benchmark/results
mkdir -p "$results"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

repeat=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv)
"$bench/core_benchmarks" "${repeat[@]}" >"$results/core.csv"
QT_QPA_PLATFORM=offscreen "$bench/window_click_benchmark" "${repeat[@]}" >"$results/window.csv"
# Quillet against the floor of any Qt program that draws text, a window with one Japanese label,
# with the same window showing Quillet's first texts between them to split the difference; then
# against the bare window, which draws no text at all.
scripts/virtual-display.sh \
  bash -c "$bench/startup_runner $starts $bench/quillet_first_frame \
             $bench/captions_window_first_frame $bench/text_window_first_frame \
             >$results/startup.txt &&
           $bench/startup_runner $starts $bench/quillet_first_frame \
             $bench/bare_window_first_frame >$results/startup-bare.txt"

# The Windows edition's start-up under Wine, against a window with one Japanese label and
# Quillet's manifest, with the same window holding Quillet's controls and nothing else between
# them, started in turn, with Wine's server kept running between starts. Three runs, each its own
# ratio, show how far the figure moves.
cmake --preset windows-benchmark >/dev/null
cmake --build --preset windows-benchmark
wbench=build/windows-benchmark/bench
for run in 1 2 3; do
  scripts/wine-run.sh --display --linux bash -c "wineserver -p && wine cmd /c exit 0 2>/dev/null
    $bench/startup_runner $starts --launcher wine $wbench/quillet_first_frame.exe \
      $wbench/controls_window_first_frame.exe $wbench/label_window_first_frame.exe" \
    >"$results/startup-windows-$run.txt"
done

# The Windows edition: what a user downloads, and what it needs of Windows.
cmake --preset windows >/dev/null
cmake --build --preset windows --target quillet_win32
exe=build/windows/bin/quillet.exe
exe_bytes=$(stat -c %s "$exe")
exe_dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort |
  paste -sd, - | sed 's/,/, /g')

# The median real time of a benchmark, in microseconds.
median_us() {
  awk -F, -v name="\"$2_median\"" '$1 == name {
    factor = ($5 == "ns") ? 0.001 : ($5 == "us") ? 1 : ($5 == "ms") ? 1000 : 1000000
    printf "%.3f", $3 * factor }' "$1"
}
field() { awk -v key="$1" -v n="$2" '$1 == key { print $n }' "$results/${3:-startup}.txt"; }
# Quillet's figure over that of the label showing its texts.
share() { awk -v key="$1" '$1 == key { printf "%.3f", $2 / $3 }' "$results/startup.txt"; }
verdict() { awk -v x="$1" -v op="$2" -v limit="$3" \
  'BEGIN { ok = (op == "<=") ? x <= limit : x >= limit; print ok ? "met" : "missed" }'; }

click=$(median_us "$results/core.csv" ClickWithLengths50And50)
keystroke=$(median_us "$results/core.csv" CalculatorKeystroke)
scroll=$(median_us "$results/core.csv" ScrollStepThatRegenerates)
draws=$(median_us "$results/core.csv" RandomSourceMillionCharacters)
raw=$(median_us "$results/core.csv" RawGetrandomMillionValues)
window=$(median_us "$results/window.csv" ClickToRepaintedBoxes)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
throughput=$(ratio "$raw" "$draws")
ms() { awk -v us="$1" 'BEGIN { printf "%.2f ms", us / 1000 }'; }
us() { awk -v us="$1" 'BEGIN { printf "%.2f µs", us }'; }

{
  echo "# Performance"
  echo
  echo "Written by \`scripts/benchmark.sh $starts\`, which reproduces every figure below; do not edit"
  echo "by hand. Times are medians; the core's and the window click's of 5 repetitions of Google"
  echo "Benchmark runs, the start-up's of $starts starts of each program, taken in turn."
  echo
  echo "## Machine"
  echo
  echo "- $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(free -g | awk '/^Mem:/ { print $2 }') GiB"
  echo "- $(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r)"
  echo "- $(c++ --version | head -1), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev)"
  echo "- load average before the run: $load_before"
  echo
  echo "## Figures"
  echo
  echo "| figure | measured | baseline | ratio | target | |"
  echo "| --- | --- | --- | --- | --- | --- |"
  echo "| one \`Command1_Click\`, lengths 50 and 50, a request to the system for each draw | $(us "$click") | | | under 1 ms | $(verdict "$click" "<=" 1000) |"
  echo "| one calculator keystroke | $(us "$keystroke") | | | under 10 µs | $(verdict "$keystroke" "<=" 10) |"
  echo "| one scroll step that regenerates, lengths 10 and 50 | $(us "$scroll") | | | | |"
  echo "| the random source drawing 10^6 characters | $(ms "$draws") | raw \`getrandom\` of 10^6 values: $(ms "$raw") | $throughput of its throughput | | |"
  echo "| one click on 実行 to repainted boxes, offscreen | $(us "$window") | the core's click: $(us "$click") | $(ratio "$window" "$click") | | |"
  echo "| process start to first painted frame, Xvfb | $(field first_frame_ms 2) ms | one-label window: $(field first_frame_ms 4) ms | $(field first_frame_ms 5) | at most 1.05 | $(verdict "$(field first_frame_ms 5)" "<=" 1.05) |"
  echo "| peak resident memory at that frame | $(field peak_rss_mib 2) MiB | one-label window: $(field peak_rss_mib 4) MiB | $(field peak_rss_mib 5) | at most 1.05 | $(verdict "$(field peak_rss_mib 5)" "<=" 1.05) |"
  echo "| of that, the texts: the one-label window showing Quillet's first texts | $(field first_frame_ms 3) ms, $(field peak_rss_mib 3) MiB | one-label window | $(field first_frame_ms 6), $(field peak_rss_mib 6) | | |"
  echo "| and the controls beyond their texts: Quillet against that window | | the same texts in one label | $(share first_frame_ms), $(share peak_rss_mib) | | |"
  echo "| for comparison: the same start-up against the bare window, which draws no text | $(field first_frame_ms 2 startup-bare) ms | bare Qt window: $(field first_frame_ms 3 startup-bare) ms | $(field first_frame_ms 4 startup-bare) | | |"
  echo "| its peak resident memory | $(field peak_rss_mib 2 startup-bare) MiB | bare Qt window: $(field peak_rss_mib 3 startup-bare) MiB | $(field peak_rss_mib 4 startup-bare) | | |"
  for run in 1 2 3; do
    windows="startup-windows-$run"
    echo "| Windows edition under Wine $(wine --version | sed 's/^wine-//'), Xvfb: process start to first painted frame, run $run | $(field first_frame_ms 2 "$windows") ms | one-label window with Quillet's manifest: $(field first_frame_ms 4 "$windows") ms | $(field first_frame_ms 5 "$windows") | at most 1.2 | $(verdict "$(field first_frame_ms 5 "$windows")" "<=" 1.2) |"
    echo "| of that, the controls: that window with Quillet's 28 controls and nothing else, run $run | $(field first_frame_ms 3 "$windows") ms | one-label window | $(field first_frame_ms 6 "$windows") | | |"
  done
  echo "| the Windows edition's stripped \`quillet.exe\` | $exe_bytes bytes | | | under 300 KB | $(verdict "$exe_bytes" "<=" 307200) |"
  echo "| the DLLs it imports | $exe_dlls | | | KnownDLLs only | |"
  echo
  cat bench/where-the-time-goes.md
} >docs/performance.md
echo "Wrote docs/performance.md"
