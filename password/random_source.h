// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

namespace quillet {

// Where the passwords' randomness comes from. Tests script it; the program uses SystemRandom.
class RandomSource {
 public:
  virtual ~RandomSource() = default;

  // A uniformly distributed 32-bit value, or nothing when the source cannot give one.
  virtual std::optional<std::uint32_t> Next32() = 0;
};

}  // namespace quillet
