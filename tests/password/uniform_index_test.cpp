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
