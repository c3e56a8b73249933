// SPDX-License-Identifier: MIT

#include "convert/round_half_even.h"

#include <cmath>

namespace quillet {

double RoundHalfEven(double x) {
  // Built from trunc alone: std::nearbyint follows whatever rounding mode the process is in, and
  // some C runtimes compute std::round as floor(x + 0.5), which sends 0.49999999999999994 to 1.
  const double whole = std::trunc(x);
  const double fraction = std::fabs(x - whole);  // exact for every double
  const double away = whole + std::copysign(1.0, x);
  if (fraction < 0.5) {
    return whole;
  }
  if (fraction > 0.5) {
    return away;
  }
  return std::fmod(whole, 2.0) == 0.0 ? whole : away;
}

}  // namespace quillet
