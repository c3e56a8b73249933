// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <variant>

#include "app/control.h"
#include "app/form.h"
#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_random.h"

namespace quillet::fuzz {

#define QUILLET_CONTROL(name, ...) Control::name,
inline constexpr Control kTextBoxes[] = {ENUMERATE_TEXT_BOXES(QUILLET_CONTROL)};
inline constexpr Control kScrollBars[] = {ENUMERATE_SCROLL_BARS(QUILLET_CONTROL)};
#undef QUILLET_CONTROL

// Typing, pasting or deleting in a text box: what the box holds afterwards, as the window hands
// it to the form.
struct EditText {
  Control box;
  std::string text;
};

// A click on an arrow or in the trough, or an arrow key: one step either way.
struct StepScrollBar {
  Control bar;
  int step;
};

// The dragged thumb let go at a value.
struct ReleaseThumb {
  Control bar;
  int value;
};

struct SelectOption {
  Control option;
};

struct ClickButton {};

// Not the user's doing, but it can happen at any click: the system's random source fails after
// so many further draws.
struct BreakRandomSource {
  unsigned after_draws;
};

using UserAction = std::variant<EditText, StepScrollBar, ReleaseThumb, SelectOption, ClickButton,
                                BreakRandomSource>;

// The next action the bytes describe, against what the form shows now.
UserAction DecodeAction(ByteReader& bytes, const Form1& form);

void Apply(const UserAction& action, Form1& form, FuzzRandom& random);

}  // namespace quillet::fuzz
