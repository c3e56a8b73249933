// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "app/control.h"
#include "password/character_sets.h"

// What a user does and sees, once for every front that tests it: the core, both windows, and,
// through the JSON that write_scenarios makes of it, the screen-reader and desktop tests.
namespace quillet::testing {

inline constexpr std::string_view kWindowCaption = "Quillet";

// Each box's text and each scroll bar's value right after start-up.
inline constexpr std::pair<Control, std::string_view> kStartUpTexts[] = {
    {Control::Text1, ""},  {Control::Text8, "10"}, {Control::Text9, ""},  {Control::Text11, "20"},
    {Control::Text10, ""}, {Control::Text2, ""},   {Control::Text3, ""},  {Control::Text4, "0"},
    {Control::Text5, ""},  {Control::Text6, "0"},  {Control::Text7, "0"},
};
inline constexpr std::pair<Control, int> kStartUpValues[] = {{Control::HScroll1, 10},
                                                             {Control::HScroll2, 20}};
inline constexpr Control kStartUpOption = Control::Option2;
inline constexpr Control kOtherOption = Control::Option1;

// What the start-up size shows: the button, the option buttons and the two adjustable rows. All
// other controls lie below it.
inline constexpr Control kShownAtStartUp[] = {
    Control::Command1, Control::Option2, Control::Option1, Control::Text8,
    Control::HScroll1, Control::Label13, Control::Text9,   Control::Text11,
    Control::HScroll2, Control::Label14, Control::Text10,
};

inline bool ShownAtStartUp(Control control) {
  return std::ranges::find(kShownAtStartUp, control) != std::end(kShownAtStartUp);
}

// One lap of the Tab key from the button, which has the focus at start-up. The two option
// buttons are one stop, on the selected one.
inline constexpr Control kTabStops[] = {
    Control::Command1, Control::Text1, Control::Option2, Control::Text2,  Control::Text3,
    Control::Text4,    Control::Text5, Control::Text6,   Control::Text7,  Control::HScroll1,
    Control::Text8,    Control::Text9, Control::Text10,  Control::Text11, Control::HScroll2,
};

// A click of the button after choosing a set and the two lengths: the 30-character password and
// the two of the lengths, from the chosen set only. Choosing draws nothing.
struct Generation {
  Control option;
  std::string_view length1_text, length2_text;
  int length1, length2;
  std::string_view characters;
};

inline constexpr Generation kGenerations[] = {
    {Control::Option2, "10", "20", 10, 20, AlnumChars},
    {Control::Option1, "50", "1", 50, 1, HexDigits},
};

// The calculator from start-up, one keystroke at a time: what the box holds after the key, and
// the interest before and after tax shown then. A keystroke that leaves a box one character
// shorter is a backspace at its end; one that is not a character more or less replaces the whole
// text, as typing over a selection does.
struct Keystroke {
  Control box;
  std::string_view text;
  std::string_view before_tax, after_tax;
};

inline constexpr Keystroke kCalculatorKeystrokes[] = {
    {Control::Text2, "1", "0", "0"},  // no rate yet: the step fails, "0" stays "0"
    {Control::Text2, "", "0", "0"},   // and deleting it again changes nothing
    {Control::Text2, "1", "0", "0"},
    {Control::Text2, "10", "0", "0"},
    {Control::Text2, "100", "0", "0"},
    {Control::Text5, "1", "0", "0"},  // no years: no months, so no interest
    {Control::Text3, "1", "10,000", "8,000"},
    {Control::Text4, "", "0", "0"},  // months that do not read leave the period without months
    {Control::Text4, "6", "15,000", "12,000"},
    {Control::Text3, "0", "5,000", "4,000"},  // no whole year: the months alone
    {Control::Text3, "1", "15,000", "12,000"},
    {Control::Text5, "0", "0", "0"},
    {Control::Text5, "0.", "0", "0"},
    {Control::Text5, "0.1", "1,500", "1,200"},
    {Control::Text5, "0.12", "1,800", "1,440"},
    {Control::Text2, "10", "180", "144"},
    {Control::Text2, "1", "18", "14"},  // 14.4 loses its fraction
    {Control::Text2, "", "18", "14"},   // no amount: the shown sums are read again and stay
    {Control::Text2, "x", "18", "14"},
    {Control::Text2, "１２３４５", "222,210", "177,768"},  // full-width digits read like ASCII ones
};

}  // namespace quillet::testing
