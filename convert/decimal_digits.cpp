// SPDX-License-Identifier: MIT

#include "convert/decimal_digits.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace quillet {
namespace {

// A whole number of any size, in base 10^9, least significant limb first: enough to write a
// double's exact value in decimal, which takes up to 767 significant digits.
class BigWhole {
 public:
  explicit BigWhole(std::uint64_t value) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
      value /= kBase;
    } while (value != 0);
  }

  // factor < 2^32, so that limb × factor + carry stays below 2^64.
  void MultiplyBy(std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = limb * factor + carry;
      limb = static_cast<std::uint32_t>(product % kBase);
      carry = product / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }

  void MultiplyByPower(std::uint64_t base, int power, std::uint64_t largest_step, int step_power) {
    for (; power >= step_power; power -= step_power) {
      MultiplyBy(largest_step);
    }
    for (; power > 0; --power) {
      MultiplyBy(base);
    }
  }

  std::string Digits() const {
    std::string digits = std::to_string(limbs_.back());
    for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
      const std::string group = std::to_string(*limb);
      digits.append(kGroupDigits - group.size(), '0');
      digits.append(group);
    }
    return digits;
  }

 private:
  static constexpr std::uint64_t kBase = 1'000'000'000;
  static constexpr std::size_t kGroupDigits = 9;
  std::vector<std::uint32_t> limbs_;
};

// Adds one at the last digit; a carry out of the first digit gives one digit more.
void RoundUp(std::string& digits, int& exponent) {
  auto digit = digits.rbegin();
  while (digit != digits.rend() && *digit == '9') {
    *digit++ = '0';
  }
  if (digit == digits.rend()) {
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    ++exponent;
  } else {
    ++*digit;
  }
}

}  // namespace

// Works from the exact value rather than with std::to_chars, which gives the same digits but
// brings its tables for every floating type into a statically linked program: 290 KB of the
// Windows edition's executable.
DecimalDigits ToDecimalDigits(double x) {
  int binary_exponent = 0;
  const double fraction = std::frexp(std::fabs(x), &binary_exponent);
  constexpr int kMantissaBits = 53;
  // |x| = mantissa × 2^power exactly, the mantissa a whole number.
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  const int power = binary_exponent - kMantissaBits;

  // |x| = whole × 10^shift: 2^-n is 5^n × 10^-n.
  BigWhole whole(mantissa);
  int shift = 0;
  if (power >= 0) {
    whole.MultiplyByPower(2, power, std::uint64_t{1} << 31U, 31);
  } else {
    whole.MultiplyByPower(5, -power, 1'220'703'125, 13);  // 5^13
    shift = power;
  }

  DecimalDigits result;
  result.negative = std::signbit(x);
  result.digits = whole.Digits();
  result.exponent = static_cast<int>(result.digits.size()) - 1 + shift;

  // To nearest; an exact tie goes to the even digit.
  if (result.digits.size() > kSignificantDigits) {
    const char first_dropped = result.digits[kSignificantDigits];
    const bool more_after =
        result.digits.find_first_not_of('0', kSignificantDigits + 1) != std::string::npos;
    result.digits.resize(kSignificantDigits);
    const bool odd = (result.digits.back() - '0') % 2 == 1;
    if (first_dropped > '5' || (first_dropped == '5' && (more_after || odd))) {
      RoundUp(result.digits, result.exponent);
    }
  }
  while (result.digits.size() > 1 && result.digits.back() == '0') {
    result.digits.pop_back();
  }

  // The few largest doubles round up to 1.79769313486232E+308, which lies beyond the double range
  // and would not read back as a number: they show the largest 15 digits within it instead.
  if (result.exponent == 308 && result.digits == "179769313486232") {
    result.digits = "179769313486231";
  }
  return result;
}

}  // namespace quillet
