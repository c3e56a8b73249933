// SPDX-License-Identifier: MIT

#pragma once

#include <cstdio>
#include <cstdlib>

namespace quillet::fuzz {

// A property that does not hold is a finding: say which, and stop, so that libFuzzer keeps the
// input that broke it.
inline void Require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "Property broken: %s\n", property);
    std::abort();
  }
}

}  // namespace quillet::fuzz
