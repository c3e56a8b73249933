// SPDX-License-Identifier: MIT

#include "password/uniform_index.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"

namespace quillet {
namespace {

using testing::ScriptedRandom;

TEST(UniformIndex, ThrowsBackDrawsAboveTheLargestMultiple) {
  // 2^32 = 62 × 69273666 + 4: the four highest draws would favour positions 0 to 3.
  constexpr std::uint32_t kLastAccepted = 62U * 69273666U - 1U;
  ScriptedRandom source({0xFFFFFFFFU, kLastAccepted + 1U, kLastAccepted});
  EXPECT_EQ(UniformIndex(source, 62), kLastAccepted % 62);
  EXPECT_EQ(source.Drawn(), 3U);
}

TEST(UniformIndex, KeepsExactlyTheDrawsBelowTheLargestMultiple) {
  struct Case {
    std::uint32_t n;
    std::uint32_t draw;
    bool kept;
  };
  // 2^32 = 62 × 69273666 + 4 = 3 × 1431655765 + 1 = (2^31 + 1) × 1 + (2^31 - 1).
  const Case cases[] = {
      {62, 0xFFFFFFFFU - 61U, true},    {62, 0xFFFFFFFFU - 4U, true},
      {62, 0xFFFFFFFFU - 3U, false},    {3, 0xFFFFFFFFU - 1U, true},
      {3, 0xFFFFFFFFU, false},          {0x80000001U, 0x7FFFFFFFU, true},
      {0x80000001U, 0x80000000U, true}, {0x80000001U, 0x80000001U, false},
      {1, 0xFFFFFFFFU, true},
  };
  for (const auto& [n, draw, kept] : cases) {
    ScriptedRandom source({draw, 1U});
    EXPECT_EQ(UniformIndex(source, n), kept ? draw % n : 1U % n) << n << " " << draw;
    EXPECT_EQ(source.Drawn(), kept ? 1U : 2U) << n << " " << draw;
  }
}

TEST(UniformIndex, KeepsEveryDrawWhenTheCountDividesTwoToThe32) {
  ScriptedRandom source({0xFFFFFFFFU, 16U, 33U});
  EXPECT_EQ(UniformIndex(source, 16), 15U);
  EXPECT_EQ(UniformIndex(source, 16), 0U);
  EXPECT_EQ(UniformIndex(source, 16), 1U);
}

TEST(UniformIndex, FailsWhenTheSourceFailsEvenWhileThrowingBack) {
  ScriptedRandom source({0xFFFFFFFFU});
  EXPECT_EQ(UniformIndex(source, 62), std::nullopt);
}

}  // namespace
}  // namespace quillet
