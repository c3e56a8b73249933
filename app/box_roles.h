// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "app/control.h"

namespace quillet {

// The boxes by what they hold, for code that means a box by its role. The names Text1 to Text11
// stay the controls' identities, as the window and its screen readers know them.
struct CalculatorBoxes {
  Control amount;      // the deposit, in units of 10,000 yen
  Control years;       // the period's whole years
  Control months;      // the period's further months
  Control rate;        // the annual rate, in percent
  Control before_tax;  // the interest at maturity before tax, in whole yen
  Control after_tax;   // the same after the 20 % deduction
};

inline constexpr CalculatorBoxes kCalculator{Control::Text2, Control::Text3, Control::Text4,
                                             Control::Text5, Control::Text6, Control::Text7};
inline constexpr std::array kCalculatorInputs{kCalculator.amount, kCalculator.years,
                                              kCalculator.months, kCalculator.rate};
inline constexpr std::array kCalculatorOutputs{kCalculator.before_tax, kCalculator.after_tax};

// A row of the generator whose length the user chooses: the box that says the length, its scroll
// bar, and the box that shows a password of that length.
struct LengthRow {
  Control length_box;
  Control scroll_bar;
  Control password_box;
};

inline constexpr std::array<LengthRow, 2> kLengthRows{{
    {Control::Text8, Control::HScroll1, Control::Text9},
    {Control::Text11, Control::HScroll2, Control::Text10},
}};

// The box of the password whose length is fixed, and all three password boxes.
inline constexpr Control kFixedPasswordBox = Control::Text1;
inline constexpr std::array kPasswordBoxes{kFixedPasswordBox, kLengthRows[0].password_box,
                                           kLengthRows[1].password_box};

}  // namespace quillet
