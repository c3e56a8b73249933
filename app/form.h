// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

#include "app/control.h"
#include "app/form_state.h"
#include "password/random_source.h"

namespace quillet {

// What a window binding learns from the form.
class FormListener {
 public:
  // A control's value has changed, by the user or by the program; read it from the form. Called
  // before the control's change procedure runs, so nested changes are reported in the order they
  // happen and the last report of a control carries its final value.
  virtual void ControlChanged(Control control) = 0;

  // The system's random source failed: no password was generated. The user should be told.
  virtual void RandomSourceFailed() = 0;

 protected:
  ~FormListener() = default;
};

// What the user asks of a scroll bar with its arrows, its trough and its keys.
enum class ScrollRequest { StepLeft, StepRight, PageLeft, PageRight, ToStart, ToEnd };

// The window Form1 without its pixels: its controls' values and the events they raise.
//
// Assigning a control a value raises its change event at once, inside the assignment, and the
// event table runs the control's change procedure before the assignment returns. A control raises
// nothing when it is given the value it already holds: that is what ends the chain between a
// length box and its scroll bar. User actions and the program's own assignments take the same
// path, since both change the control alike.
class Form1 {
 public:
  explicit Form1(RandomSource& random);

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  void SetListener(FormListener* listener) { listener_ = listener; }

  const FormState& State() const { return state_; }
  const std::string& Text(Control text_box) const;
  std::int16_t Value(Control scroll_bar) const;
  bool Selected(Control option_button) const;
  // Whether the Tab key stops at the control: labels never; the option buttons are one stop, on
  // the selected one, and the arrow keys move within them.
  bool TakesTabStop(Control control) const;

  void SetText(Control text_box, std::string text);
  // A scroll bar cannot leave its range: a value outside it stops at the nearer end.
  void SetValue(Control scroll_bar, int value);
  void Scroll(Control scroll_bar, ScrollRequest request);
  // Selecting one option button clears the other.
  void Select(Control option_button);
  void Click(Control button);
  // The load event, delivered once before the window is first shown.
  void Load();

  RandomSource& Random() { return random_; }
  void ReportRandomFailure();

 private:
  void Changed(Control control);

  FormState state_;
  RandomSource& random_;
  FormListener* listener_ = nullptr;
};

}  // namespace quillet
