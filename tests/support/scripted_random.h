// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "password/random_source.h"

namespace quillet::testing {

// Hands out the values it was given, in order, and then fails like a broken system source.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<std::uint32_t> values = {}) : values_(std::move(values)) {}

  std::optional<std::uint32_t> Next32() override {
    if (next_ == values_.size()) {
      return std::nullopt;
    }
    return values_[next_++];
  }

  std::size_t Drawn() const { return next_; }

 private:
  std::vector<std::uint32_t> values_;
  std::size_t next_ = 0;
};

// Counts up from 0, never failing: position k of a set of n characters comes from draw k.
class CountingRandom final : public RandomSource {
 public:
  std::optional<std::uint32_t> Next32() override { return next_++; }

 private:
  std::uint32_t next_ = 0;
};

}  // namespace quillet::testing
