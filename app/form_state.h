// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

#include "app/control.h"
#include "password/length_rule.h"

namespace quillet {

// Both length scroll bars run over the lengths a password may have and move by 1 for arrows and
// trough alike.
inline constexpr std::int16_t kScrollMinimum = kShortestPassword;
inline constexpr std::int16_t kScrollMaximum = kLongestPassword;
inline constexpr std::int16_t kScrollStep = 1;

// The values of the window's controls, which are the whole state of the system, as they stand
// when the window has been created: an option button's selected flag, a text box's text and a
// scroll bar's value.
struct FormState {
#define QUILLET_SELECTED_FLAG(name, start) bool name = start;
#define QUILLET_TEXT(name, start) std::string name = start;
#define QUILLET_VALUE(name, start) std::int16_t name = start;
  ENUMERATE_OPTION_BUTTONS(QUILLET_SELECTED_FLAG)
  // The list gives the text of a box that starts empty as "", as the design does.
  // NOLINTNEXTLINE(readability-redundant-string-init)
  ENUMERATE_TEXT_BOXES(QUILLET_TEXT)
  ENUMERATE_SCROLL_BARS(QUILLET_VALUE)
#undef QUILLET_SELECTED_FLAG
#undef QUILLET_TEXT
#undef QUILLET_VALUE

  bool operator==(const FormState&) const = default;
};

}  // namespace quillet
