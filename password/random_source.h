// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
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

// The operating system's cryptographic generator. There is deliberately no fallback: a password
// from a weaker generator would look just as good and be worth nothing.
class SystemRandom final : public RandomSource {
 public:
  std::optional<std::uint32_t> Next32() override;

 private:
  // One system call fills many draws; each value is wiped from the buffer as it is handed out.
  // A system call costs microseconds here: 4 KiB a call keeps that below the cost of the draws.
  std::array<std::uint32_t, 1024> buffer_{};
  std::size_t next_ = buffer_.size();
};

}  // namespace quillet
