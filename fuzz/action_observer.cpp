// SPDX-License-Identifier: MIT

#include "fuzz/action_observer.h"

#include <algorithm>

#include "app/box_roles.h"
#include "convert/text_number.h"
#include "fuzz/require.h"

namespace quillet::fuzz {

void ActionObserver::Begin(std::optional<Control> edited_box) {
  user_edit_ = edited_box;
  changed_.clear();
  program_changed_.clear();
  reports_ = 0;
  failure_reports_ = 0;
}

void ActionObserver::ControlChanged(Control control) {
  ++reports_;
  changed_.insert(control);
  // The user's own edit is reported first, before anything it sets off.
  if (user_edit_ == control) {
    user_edit_.reset();
    return;
  }
  program_changed_.insert(control);
  for (const LengthRow& row : kLengthRows) {
    if (control == row.length_box) {
      Require(changed_.contains(row.scroll_bar),
              "a length box is rewritten only after its scroll bar moved");
      Require(form_.Text(row.length_box) == ShortToText(form_.Value(row.scroll_bar)),
              "a length box is rewritten with its scroll bar's value");
    }
  }
  if (std::ranges::find(kCalculatorOutputs, control) != kCalculatorOutputs.end()) {
    Require(TextToDouble(form_.Text(control)).has_value(),
            "the calculator writes only numbers into its outputs");
  }
}

}  // namespace quillet::fuzz
