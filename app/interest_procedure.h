// SPDX-License-Identifier: MIT

#pragma once

namespace quillet {

class Form1;

// Recalculates the interest at maturity, before tax (Text6) and after the 20 % deduction (Text7),
// in whole yen, from the amount in 10,000 yen (Text2), the period in years (Text3) and months
// (Text4) and the annual rate in percent (Text5). Runs on every change of those four boxes, and
// writes each result box once, so that the window and screen readers hear of one change.
void CalcInterest(Form1& form);

}  // namespace quillet
