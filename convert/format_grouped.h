// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace quillet {

// The format "#,#": a whole number with "," between groups of three digits ("-1,234"), and the
// empty text for zero. A fraction is first rounded half to even. Like DoubleToText, it shows 15
// significant digits: larger numbers are padded with zeros ("123,456,789,012,346,000").
// Infinities and not-a-number give "".
std::string FormatGrouped(double x);

}  // namespace quillet
