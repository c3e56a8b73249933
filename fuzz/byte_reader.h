// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quillet::fuzz {

// Reads a fuzzer's input front to back, one byte at a time, so that a seed can be written by
// hand. Past the end it reads zeros.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return next_ >= bytes_.size(); }
  std::uint8_t Next() { return AtEnd() ? 0 : bytes_[next_++]; }
  // A number from 0 to count - 1.
  std::size_t Below(std::size_t count) { return Next() % count; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

}  // namespace quillet::fuzz
