// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

#include "password/length_rule.h"

namespace quillet {

// Both length scroll bars run over the lengths a password may have and move by 1 for arrows and
// trough alike.
inline constexpr std::int16_t kScrollMinimum = kShortestPassword;
inline constexpr std::int16_t kScrollMaximum = kLongestPassword;
inline constexpr std::int16_t kScrollStep = 1;

// The values of the window's controls, which are the whole state of the system, as they stand
// when the window has been created.
struct FormState {
  bool Option1 = false;                    // "16進数": the 16 hexadecimal digits
  bool Option2 = true;                     // "全英数字･大文字･小文字": A-Z, a-z, 0-9
  std::string Text1;                       // the 30-character password
  std::string Text8 = "10";                // the first row's length
  std::int16_t HScroll1 = kScrollMinimum;  // Text8's twin; start-up moves it to 10
  std::string Text9;                       // the password as long as Text8 says
  std::string Text11 = "20";               // the second row's length
  std::int16_t HScroll2 = kScrollMinimum;  // Text11's twin; start-up moves it to 20
  std::string Text10;                      // the password as long as Text11 says
  std::string Text2;                       // deposit amount, in 10,000 yen
  std::string Text3;                       // deposit period, whole years
  std::string Text4 = "0";                 // deposit period, further months
  std::string Text5;                       // annual interest rate, in percent
  std::string Text6 = "0";                 // interest at maturity before tax, in yen
  std::string Text7 = "0";                 // interest at maturity after tax, in yen

  bool operator==(const FormState&) const = default;
};

}  // namespace quillet
