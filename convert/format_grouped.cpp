// SPDX-License-Identifier: MIT

#include "convert/format_grouped.h"

#include <cmath>

#include "convert/decimal_digits.h"
#include "convert/round_half_even.h"

namespace quillet {

std::string FormatGrouped(double x) {
  const double whole = RoundHalfEven(x);
  if (!std::isfinite(whole) || whole == 0.0) {
    return {};
  }
  const DecimalDigits decimal = ToDecimalDigits(whole);
  std::string digits = decimal.digits;
  digits.resize(static_cast<std::size_t>(decimal.exponent) + 1, '0');

  std::string text = decimal.negative ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      text += ',';
    }
    text += digits[i];
  }
  return text;
}

}  // namespace quillet
