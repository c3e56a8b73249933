// SPDX-License-Identifier: MIT
// Starts two programs built with the first-frame probe in turn, many times each, and reports for
// each the median time from process start to its first painted frame, its median peak resident
// memory, and the ratio of the first to the second:
//   startup_runner RUNS PROGRAM BASELINE

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds;
  double peak_mib;
};

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

std::optional<Run> StartOnce(const char* program) {
  int out[2];
  if (pipe(out) != 0) {
    return std::nullopt;
  }
  const long long started = MonotonicNanoseconds();
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string printed;
  char buffer[64];
  for (ssize_t got = 0; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
    printed.append(buffer, static_cast<std::size_t>(got));
  }
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0 || printed.empty()) {
    return std::nullopt;
  }
  const long long painted = std::atoll(printed.c_str());
  return Run{static_cast<double>(painted - started) / 1e6,
             static_cast<double>(usage.ru_maxrss) / 1024.0};  // ru_maxrss is in KiB
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const char* programs[] = {argv[2], argv[3]};
  std::vector<double> start_times[2];
  std::vector<double> peak_memories[2];
  // Two unmeasured starts each first, so that both find their libraries in the page cache.
  for (int i = -2; i < runs; ++i) {
    for (int p = 0; p < 2; ++p) {
      const auto run = StartOnce(programs[p]);
      if (!run) {
        std::fprintf(stderr, "%s did not report its first frame\n", programs[p]);
        return 1;
      }
      if (i >= 0) {
        start_times[p].push_back(run->milliseconds);
        peak_memories[p].push_back(run->peak_mib);
      }
    }
  }
  const double time[] = {Median(start_times[0]), Median(start_times[1])};
  const double memory[] = {Median(peak_memories[0]), Median(peak_memories[1])};
  std::printf("runs %d\n", runs);
  std::printf("first_frame_ms %.1f %.1f %.3f\n", time[0], time[1], time[0] / time[1]);
  std::printf("peak_rss_mib %.1f %.1f %.3f\n", memory[0], memory[1], memory[0] / memory[1]);
  return 0;
}
