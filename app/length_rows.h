// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "app/control.h"

namespace quillet {

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

}  // namespace quillet
