// SPDX-License-Identifier: MIT

#include "convert/text_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "convert/decimal_digits.h"
#include "convert/round_half_even.h"

namespace quillet {
namespace {

// A Japanese input method types digits, signs and separators in their full-width forms
// (U+FF01 to U+FF5E, and U+3000 for a space). They read like the ASCII characters they stand for.
std::string ToHalfWidth(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    if (i + 2 < text.size() && byte(i) == 0xEF && (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD)) {
      const unsigned code = 0xF000U | ((byte(i + 1) & 0x3FU) << 6U) | (byte(i + 2) & 0x3FU);
      if (code >= 0xFF01 && code <= 0xFF5E) {
        result.push_back(static_cast<char>(code - 0xFF01 + '!'));
        i += 2;
        continue;
      }
    }
    if (i + 2 < text.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
      result.push_back(' ');
      i += 2;
      continue;
    }
    result.push_back(text[i]);
  }
  return result;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The parts of a written number, with the grouping separators taken out.
struct WrittenNumber {
  bool negative = false;
  std::string integer_digits;
  std::string fraction_digits;
  std::string exponent;  // with its sign, if it has one
};

std::optional<WrittenNumber> Parse(std::string_view text) {
  WrittenNumber number;
  std::size_t i = 0;
  const auto at = [&](char c) { return i < text.size() && text[i] == c; };
  if (at('+') || at('-')) {
    number.negative = text[i] == '-';
    ++i;
  }
  // A separator only ever stands after a digit; the sizes of the groups are not checked.
  while (i < text.size() &&
         (IsDigit(text[i]) || (text[i] == ',' && !number.integer_digits.empty()))) {
    if (text[i] != ',') {
      number.integer_digits.push_back(text[i]);
    }
    ++i;
  }
  if (at('.')) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      number.fraction_digits.push_back(text[i++]);
    }
  }
  if (number.integer_digits.empty() && number.fraction_digits.empty()) {
    return std::nullopt;
  }
  if (at('E') || at('e')) {
    ++i;
    if (at('+') || at('-')) {
      number.exponent.push_back(text[i++]);
    }
    const std::size_t digits_start = i;
    while (i < text.size() && IsDigit(text[i])) {
      number.exponent.push_back(text[i++]);
    }
    if (i == digits_start) {
      return std::nullopt;
    }
  }
  if (i != text.size()) {
    return std::nullopt;
  }
  return number;
}

// Where the first significant digit stands: 0 for 1 to 9.99…, -1 for 0.1 to 0.999…, and so on.
// Only consulted when the number is too large or too small for a double, to tell which, so only
// its sign matters. A string holds fewer than 2^62 characters: an exponent beyond ±2^62 outweighs
// any count of digits, keeps its sign when held at that bound, and leaves the sums below in range.
long long LeadingDigitExponent(const WrittenNumber& number) {
  constexpr long long kExponentBound = 1LL << 62;
  const bool negative = number.exponent.starts_with('-');
  const std::size_t sign_length = negative || number.exponent.starts_with('+') ? 1 : 0;
  long long exponent = 0;
  const auto [ptr, error] =
      std::from_chars(number.exponent.data() + sign_length,
                      number.exponent.data() + number.exponent.size(), exponent);
  if (error == std::errc::result_out_of_range || exponent > kExponentBound) {
    exponent = kExponentBound;
  }
  if (negative) {
    exponent = -exponent;
  }
  const auto integer_start = number.integer_digits.find_first_not_of('0');
  if (integer_start != std::string::npos) {
    return exponent + static_cast<long long>(number.integer_digits.size() - integer_start) - 1;
  }
  const auto fraction_start = number.fraction_digits.find_first_not_of('0');
  return exponent - static_cast<long long>(fraction_start) - 1;
}

}  // namespace

std::optional<double> TextToDouble(std::string_view text) {
  const std::string half_width = ToHalfWidth(text);
  const auto number = Parse(TrimSpaces(half_width));
  if (!number) {
    return std::nullopt;
  }
  std::string plain = number->integer_digits.empty() ? "0" : number->integer_digits;
  if (!number->fraction_digits.empty()) {
    plain += '.' + number->fraction_digits;
  }
  if (!number->exponent.empty()) {
    plain += 'e' + number->exponent.substr(number->exponent.starts_with('+') ? 1 : 0);
  }
  double magnitude = 0.0;
  const auto [ptr, error] = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
  if (error == std::errc::result_out_of_range) {
    if (LeadingDigitExponent(*number) >= 0) {
      return std::nullopt;
    }
    magnitude = 0.0;  // too small for a double: the nearest double is zero
  }
  return number->negative ? -magnitude : magnitude;
}

std::string DoubleToText(double x) {
  if (!std::isfinite(x)) {
    return {};
  }
  if (x == 0.0) {
    return "0";
  }
  const DecimalDigits decimal = ToDecimalDigits(x);
  const std::string& digits = decimal.digits;
  const int exponent = decimal.exponent;
  std::string text = decimal.negative ? "-" : "";
  if (exponent >= kSignificantDigits || exponent < -5) {
    text.push_back(digits.front());
    if (digits.size() > 1) {
      text.push_back('.');
      text.append(digits, 1);
    }
    text.append(exponent < 0 ? "E-" : "E+");
    if (std::abs(exponent) < 10) {
      text.push_back('0');
    }
    text.append(std::to_string(std::abs(exponent)));
  } else if (exponent < 0) {
    text.append("0.");
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text.append(digits);
  } else {
    const auto whole_digits = static_cast<std::size_t>(exponent) + 1;
    text.append(digits, 0, whole_digits);
    if (digits.size() > whole_digits) {
      text.push_back('.');
      text.append(digits, whole_digits);
    } else {
      text.append(whole_digits - digits.size(), '0');
    }
  }
  return text;
}

std::optional<std::int16_t> TextToShort(std::string_view text) {
  const auto value = TextToDouble(text);
  if (!value) {
    return std::nullopt;
  }
  const double whole = RoundHalfEven(*value);
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(whole);
}

std::string ShortToText(std::int16_t n) {
  return std::to_string(n);
}

}  // namespace quillet
