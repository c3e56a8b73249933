// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace quillet {

// A finite, non-zero double rounded to 15 significant digits, to nearest except where that would
// leave the double range: the value is
// (negative ? -1 : 1) × 0.d1d2d3… × 10^(exponent + 1), that is d1.d2d3… × 10^exponent.
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // 1 to 15 digits, the first not "0", the last not "0"
  int exponent = 0;
};

// The number of significant digits every text of the system shows.
inline constexpr int kSignificantDigits = 15;

DecimalDigits ToDecimalDigits(double x);

}  // namespace quillet
