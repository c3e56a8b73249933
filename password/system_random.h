// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <utility>

#include "password/random_source.h"

namespace quillet {

// Fills the bytes from the operating system's cryptographic generator (getrandom on Linux,
// BCryptGenRandom on Windows); false when it cannot.
bool FillFromSystem(std::span<std::byte> bytes);

// The operating system's cryptographic generator. There is deliberately no fallback: a password
// from a weaker generator would look just as good and be worth nothing.
//
// Each draw asks the system for its own four bytes and keeps nothing: randomness held for later
// draws would give away the passwords of later clicks to whoever reads this process's memory.
class SystemRandom final : public RandomSource {
 public:
  using Fill = std::function<bool(std::span<std::byte>)>;

  explicit SystemRandom(Fill fill = FillFromSystem) : fill_(std::move(fill)) {}

  std::optional<std::uint32_t> Next32() override;

 private:
  Fill fill_;
};

}  // namespace quillet
