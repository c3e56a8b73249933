// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

#include "password/random_source.h"

namespace quillet::fuzz {

// A repeatable source, so that a finding can be replayed, which can be told to fail like a broken
// system source after a given number of further draws, once.
class FuzzRandom final : public RandomSource {
 public:
  std::optional<std::uint32_t> Next32() override {
    if (failing_after_ && (*failing_after_)-- == 0) {
      failing_after_.reset();
      ++failures_;
      return std::nullopt;
    }
    ++draws_;
    // splitmix64: every seed gives a well-mixed sequence.
    state_ += 0x9E3779B97F4A7C15U;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBU;
    return static_cast<std::uint32_t>((z ^ (z >> 31U)) >> 32U);
  }

  void FailAfter(unsigned draws) { failing_after_ = draws; }

  std::uint64_t Draws() const { return draws_; }
  std::uint64_t Failures() const { return failures_; }

 private:
  std::uint64_t state_ = 0;
  std::optional<unsigned> failing_after_;
  std::uint64_t draws_ = 0;
  std::uint64_t failures_ = 0;
};

}  // namespace quillet::fuzz
