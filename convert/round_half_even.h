// SPDX-License-Identifier: MIT

#pragma once

namespace quillet {

// The nearest whole number; halfway cases go to the even one (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double x);

}  // namespace quillet
