// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// Texts are UTF-8, as the window's text boxes hand them over. Every conversion is independent of
// the machine's locale: the decimal separator is always "." and the grouping separator ",".

// Reads a number as a user types it: optional spaces, an optional sign, digits with "," between
// them where the user likes, an optional "." and fraction, an optional exponent ("1E5", "2.5e-3").
// Full-width forms of these characters, as a Japanese input method types them ("１２．５"), read
// like their ASCII twins. Anything else, an empty text, and a number beyond the double range fail.
std::optional<double> TextToDouble(std::string_view text);

// Rounds to 15 significant digits and writes plain decimals ("8.33333333333333", "-0.5"); sizes of
// 10^15 and more, and below 10^-5, are written with an exponent ("1.5E+15") that TextToDouble reads
// back. Zero of either sign is "0". Infinities and not-a-number have no text: they give "".
std::string DoubleToText(double x);

// TextToDouble, then RoundHalfEven; fails when either fails to give a number from -32768 to 32767.
std::optional<std::int16_t> TextToShort(std::string_view text);

std::string ShortToText(std::int16_t n);

}  // namespace quillet
