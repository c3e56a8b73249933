// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <set>
#include <vector>

#include "app/form.h"

namespace quillet::fuzz {

// Follows one user action through the form's change reports, which arrive in the order the
// changes happen, nested ones included, and checks the rules that hold at every step of it:
// a length box is rewritten only after its scroll bar has moved, and only with the bar's value;
// the calculator writes only texts that read as numbers into its outputs.
class ActionObserver final : public FormListener {
 public:
  explicit ActionObserver(const Form1& form) : form_(form) {}

  // A new action starts; `edited_box` is the box the user changed, if any.
  void Begin(std::optional<Control> edited_box);

  void ControlChanged(Control control) override;
  void RandomSourceFailed() override { ++failure_reports_; }

  std::size_t Reports() const { return reports_; }
  std::size_t FailureReports() const { return failure_reports_; }
  bool ProgramChanged(Control control) const { return program_changed_.contains(control); }

 private:
  const Form1& form_;
  std::optional<Control> user_edit_;
  std::set<Control> changed_;
  std::set<Control> program_changed_;
  std::size_t reports_ = 0;
  std::size_t failure_reports_ = 0;
};

}  // namespace quillet::fuzz
