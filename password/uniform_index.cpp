// SPDX-License-Identifier: MIT

#include "password/uniform_index.h"

namespace quillet {

std::optional<std::uint32_t> UniformIndex(RandomSource& source, std::uint32_t n) {
  // Taking a draw modulo n favours the low positions unless n divides 2^32. Draws at or above the
  // largest multiple of n are thrown back, so that every position covers the same count of draws.
  constexpr std::uint64_t kDraws = std::uint64_t{1} << 32U;
  while (true) {
    const auto draw = source.Next32();
    if (!draw) {
      return std::nullopt;
    }
    // That multiple lies above 2^32 - n, so nearly every draw is kept before it is worked out:
    // its division cost as much as a quarter of a draw.
    if (*draw <= kDraws - n || *draw < kDraws - kDraws % n) {
      return *draw % n;
    }
  }
}

}  // namespace quillet
