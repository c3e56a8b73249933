// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

namespace quillet::qt {

// The program's first act, as in the Windows edition's process_guard.h: keeps the passwords
// inside this process, before any exists. On Linux, no other process of the same user may read
// its memory or attach a debugger to it, and a crash leaves no core file, not even after another
// process raises the limit. Returns what could not be done, a sentence each; the program says so
// and runs on, as it would have before.
std::vector<std::string> GuardProcess();

}  // namespace quillet::qt
