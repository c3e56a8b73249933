// SPDX-License-Identifier: MIT
// Feeds any bytes to the conversions: as a text the user typed, and (its first eight bytes) as a
// double and as a whole number. No input may crash or hang them, and what they write must read
// back as the number it shows.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "convert/format_grouped.h"
#include "convert/round_half_even.h"
#include "convert/text_number.h"
#include "fuzz/require.h"

namespace quillet::fuzz {
namespace {

// The C library's own correctly rounded conversions, as an independent witness. Nothing in this
// process sets a locale, so "." is the decimal point here. Rounded to nearest, the largest doubles
// leave the double range; the program shows the largest 15 digits within it instead.
double RoundedTo15Digits(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", x);
  const double rounded = std::strtod(text, nullptr);
  return std::isinf(rounded) ? std::copysign(1.79769313486231e308, x) : rounded;
}

void CheckRoundHalfEven(double x) {
  // The default floating-point environment rounds to nearest, ties to even.
  Require(RoundHalfEven(x) == std::nearbyint(x), "RoundHalfEven(x) == nearbyint(x)");
}

void CheckDoubleToText(double x) {
  const std::string text = DoubleToText(x);
  Require(text.find_first_not_of("0123456789.-E+") == std::string::npos,
          "DoubleToText writes only digits, '.', '-' and an exponent");
  const auto back = TextToDouble(text);
  Require(back.has_value(), "TextToDouble reads what DoubleToText wrote");
  Require(back == RoundedTo15Digits(x), "TextToDouble(DoubleToText(x)) is x to 15 digits");
}

void CheckFormatGrouped(double whole) {
  const std::string text = FormatGrouped(whole);
  if (whole == 0.0) {
    Require(text.empty(), "FormatGrouped(0) is empty");
    return;
  }
  const auto back = TextToDouble(text);
  Require(back.has_value(), "TextToDouble reads what FormatGrouped wrote");
  Require(*back == RoundedTo15Digits(whole), "TextToDouble(FormatGrouped(n)) is n to 15 digits");
}

void CheckText(std::string_view text) {
  const auto number = TextToDouble(text);
  const auto length = TextToShort(text);
  if (!number) {
    Require(!length, "TextToShort fails where TextToDouble fails");
    return;
  }
  Require(std::isfinite(*number), "TextToDouble gives only finite numbers");
  const double whole = RoundHalfEven(*number);
  const bool fits_short = whole >= -32768.0 && whole <= 32767.0;
  Require(length.has_value() == fits_short, "TextToShort succeeds exactly within the short range");
  if (length) {
    Require(*length == whole, "TextToShort agrees with RoundHalfEven of TextToDouble");
  }
  CheckDoubleToText(*number);
  CheckFormatGrouped(whole);
}

// Every whole number from -10^15 to 10^15 is shown exactly by FormatGrouped.
double WholeWithin1e15(std::uint64_t bits) {
  constexpr std::uint64_t kLimit = 1'000'000'000'000'000;
  return static_cast<double>(static_cast<std::int64_t>(bits % (2 * kLimit + 1)) -
                             static_cast<std::int64_t>(kLimit));
}

}  // namespace
}  // namespace quillet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet::fuzz;
  CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double x = 0.0;
    std::memcpy(&x, data, sizeof x);
    if (std::isfinite(x)) {
      CheckRoundHalfEven(x);
      CheckDoubleToText(x);
      CheckFormatGrouped(quillet::RoundHalfEven(x));
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double n = WholeWithin1e15(bits);
    CheckFormatGrouped(n);
    Require(n == 0.0 || quillet::TextToDouble(quillet::FormatGrouped(n)) == n,
            "TextToDouble(FormatGrouped(n)) gives n back within 10^15");
  }
  return 0;
}
