#include "convert/round_half_even.h"

#include <cmath>

namespace quillet {

double RoundHalfEven(double x) {
  // std::nearbyint would follow whatever rounding mode the process is in; this does not.
  if (std::fabs(x - std::trunc(x)) == 0.5) {
    return 2.0 * std::round(x / 2.0);
  }
  return std::round(x);
}

}  // namespace quillet
