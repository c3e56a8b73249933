// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The calculator's four inputs, as typed.
struct InterestInputs {
  std::string_view amount;  // in 10,000 yen
  std::string_view years;
  std::string_view months;  // beyond the years
  std::string_view rate;    // annual, in percent
};

// The interest at maturity, as the two result boxes show it.
struct InterestTexts {
  std::string before_tax;
  std::string after_tax;  // after the 20 % deduction
};

// The results for these inputs, in whole yen, from the texts the boxes show now: a step that
// cannot be worked out leaves its box's text as it was.
InterestTexts RecalculateInterest(const InterestInputs& inputs, InterestTexts shown);

}  // namespace quillet
