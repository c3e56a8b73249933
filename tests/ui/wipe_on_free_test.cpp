// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The program's free wipes each block before the C library takes it back, and must leave the C
// library's own checks armed.
TEST(WipeOnFree, LeavesADoubleFreeToTheCLibraryToReport) {
  EXPECT_DEATH(
      {
        void* volatile block = std::malloc(48);
        std::free(block);
        std::free(block);  // NOLINT(clang-analyzer-unix.Malloc): the double free is the point
      },
      "double free detected");
}

}  // namespace
