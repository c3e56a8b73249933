// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The program's free wipes each block before the C library takes it back, and must leave the C
// library's own checks armed.
TEST(WipeOnFree, LeavesADoubleFreeToTheCLibraryToReport) {
  EXPECT_DEATH(
      {
        // The double free is the point.
        void* volatile block = std::malloc(48);
        std::free(block);  // cppcheck-suppress deallocuse
        // cppcheck-suppress [doubleFree, deallocuse]
        std::free(block);  // NOLINT(clang-analyzer-unix.Malloc)
      },
      "double free detected");
}

}  // namespace
