// SPDX-License-Identifier: MIT

#include "convert/decimal_digits.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace quillet {
namespace {

// std::to_chars rounds correctly to any precision: the digits must agree with it.
std::string ExpectedScientific(double x) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  return {buffer.data(), result.ptr};
}

std::string Scientific(const DecimalDigits& decimal) {
  std::string text = decimal.negative ? "-" : "";
  text.push_back(decimal.digits.front());
  text.push_back('.');
  text.append(decimal.digits, 1);
  text.append(kSignificantDigits - decimal.digits.size(), '0');
  text.append(decimal.exponent < 0 ? "e-" : "e+");
  const int size = std::abs(decimal.exponent);
  if (size < 10) {
    text.push_back('0');
  }
  text.append(std::to_string(size));
  return text;
}

TEST(DecimalDigits, AgreesWithCorrectRoundingOnHardCases) {
  const double cases[] = {
      1.0,
      -2.0 / 3.0,
      0.1,
      1234567890123.125,  // an exact tie: the even digit stays
      1234567890123.375,  // an exact tie: the odd digit goes up
      999999999999999.5,  // rounds up into one digit more
      9.999999999999995,
      0.30000000000000004,
      1.797693134862314e308,  // the largest doubles show digits that read back instead
      std::numeric_limits<double>::min(),
      std::numeric_limits<double>::denorm_min(),
      std::numeric_limits<double>::epsilon(),
      9007199254740993.0,
      1e23,
      5e-324 * 3,
  };
  for (const double x : cases) {
    EXPECT_EQ(Scientific(ToDecimalDigits(x)), ExpectedScientific(x)) << x;
  }
}

TEST(DecimalDigits, AgreesWithCorrectRoundingOnEveryKindOfDouble) {
  std::mt19937_64 bits(20261207);  // fixed, so that a failure can be repeated
  std::uniform_real_distribution<double> everyday(-1e7, 1e7);
  for (int i = 0; i < 100'000; ++i) {
    const auto any = std::bit_cast<double>(bits());
    const double x = i % 2 == 0 ? any : everyday(bits);
    if (!std::isfinite(x) || x == 0.0) {
      continue;
    }
    ASSERT_EQ(Scientific(ToDecimalDigits(x)), ExpectedScientific(x)) << x;
  }
}

}  // namespace
}  // namespace quillet
