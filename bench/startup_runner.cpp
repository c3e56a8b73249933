// SPDX-License-Identifier: MIT
// Starts programs built with the first-frame probe in turn, many times each, and reports for each
// the median time from process start to its first painted frame, when the probe's line arrives,
// and its median peak resident memory, then the ratio of each program's to the last one's. With
// --launcher, each program is started by the launcher, as Windows programs are by wine:
//   startup_runner RUNS [--launcher LAUNCHER] PROGRAM... BASELINE

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
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

std::optional<Run> StartOnce(const char* launcher, const char* program) {
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
    if (launcher != nullptr) {
      execlp(launcher, launcher, program, static_cast<char*>(nullptr));
    } else {
      execl(program, program, static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  close(out[1]);
  // Only up to the line: helpers the program started may hold the pipe open after it ends.
  std::string printed;
  char buffer[64];
  for (ssize_t got = 0; printed.find('\n') == std::string::npos &&
                        (got = read(out[0], buffer, sizeof buffer)) > 0;) {
    printed.append(buffer, static_cast<std::size_t>(got));
  }
  const long long painted = MonotonicNanoseconds();
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0 || printed.empty()) {
    return std::nullopt;
  }
  return Run{static_cast<double>(painted - started) / 1e6,
             static_cast<double>(usage.ru_maxrss) / 1024.0};  // ru_maxrss is in KiB
}

double Median(std::vector<double> values) {
  std::ranges::sort(values);
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintFigures(const char* name, const std::vector<double>& medians) {
  std::printf("%s", name);
  for (const double median : medians) {
    std::printf(" %.1f", median);
  }
  for (std::size_t p = 0; p + 1 < medians.size(); ++p) {
    std::printf(" %.3f", medians[p] / medians.back());
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool launched = argc > 2 && std::string_view(argv[2]) == "--launcher";
  const int first_program = launched ? 4 : 2;
  if (argc < first_program + 2) {
    std::fprintf(stderr, "usage: %s RUNS [--launcher LAUNCHER] PROGRAM... BASELINE\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const char* launcher = launched ? argv[3] : nullptr;
  const std::vector<const char*> programs(argv + first_program, argv + argc);
  std::vector<std::vector<double>> start_times(programs.size());
  std::vector<std::vector<double>> peak_memories(programs.size());
  // Two unmeasured starts each first, so that all find their libraries in the page cache.
  for (int i = -2; i < runs; ++i) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      const auto run = StartOnce(launcher, programs[p]);
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
  std::vector<double> time(programs.size());
  std::vector<double> memory(programs.size());
  std::ranges::transform(start_times, time.begin(), Median);
  std::ranges::transform(peak_memories, memory.begin(), Median);
  std::printf("runs %d\n", runs);
  PrintFigures("first_frame_ms", time);
  PrintFigures("peak_rss_mib", memory);
  return 0;
}
