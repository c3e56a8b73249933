// SPDX-License-Identifier: MIT

#include "ui/qt/process_guard.h"

#if defined(__linux__)
#include <sys/prctl.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#endif

namespace quillet::qt {

std::vector<std::string> GuardProcess() {
  std::vector<std::string> failures;
#if defined(__linux__)
  const auto failed = [&failures](const char* what) {
    failures.push_back(std::string(what) + ": " + std::strerror(errno));
  };
  // Not dumpable: /proc/PID/mem and ptrace are refused to every process without
  // CAP_SYS_PTRACE, and the kernel writes no core. Screen readers are unaffected: they go
  // through the accessibility bus.
  if (prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0) {
    failed("could not make the process undumpable");
  }
  // A hard limit of zero cannot be raised again by the same user (prlimit needs
  // CAP_SYS_RESOURCE for that), so no core is written even if the process turns dumpable.
  const rlimit no_core{0, 0};
  if (setrlimit(RLIMIT_CORE, &no_core) != 0) {
    failed("could not turn off core dumps");
  }
#endif
  return failures;
}

}  // namespace quillet::qt
