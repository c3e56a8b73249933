#include "convert/decimal_digits.h"

#include <array>
#include <charconv>
#include <string_view>

namespace quillet {

DecimalDigits ToDecimalDigits(double x) {
  // std::to_chars rounds correctly, whatever the locale: "-d.dddddddddddddde+XX".
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                          std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view written(buffer.data(), end);

  DecimalDigits result;
  std::string_view rest = written;
  if (rest.front() == '-') {
    result.negative = true;
    rest.remove_prefix(1);
  }
  const auto e = rest.find('e');
  for (const char c : rest.substr(0, e)) {
    if (c != '.') {
      result.digits.push_back(c);
    }
  }
  while (result.digits.size() > 1 && result.digits.back() == '0') {
    result.digits.pop_back();
  }
  const std::string_view exponent = rest.substr(e + 1);
  const char* first = exponent.data() + (exponent.front() == '+' ? 1 : 0);
  std::from_chars(first, exponent.data() + exponent.size(), result.exponent);

  // The few largest doubles round up to 1.79769313486232E+308, which lies beyond the double range
  // and would not read back as a number: they show the largest 15 digits within it instead.
  if (result.exponent == 308 && result.digits == "179769313486232") {
    result.digits = "179769313486231";
  }
  return result;
}

}  // namespace quillet
