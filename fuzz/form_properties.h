// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "app/box_roles.h"
#include "app/form.h"
#include "fuzz/action_observer.h"
#include "fuzz/user_action.h"

namespace quillet::fuzz {

// What the form shows between two actions.
struct Snapshot {
  std::map<Control, std::string> texts;
  std::map<Control, std::int16_t> values;
  bool option1 = false;
  std::uint64_t draws = 0;
  std::uint64_t failures = 0;
};

Snapshot Take(const Form1& form, const FuzzRandom& random);

// The rules every action must keep, checked between one action and the next. It remembers who
// last wrote each output box, since a box the user typed into holds whatever the user typed.
class FormProperties {
 public:
  void CheckAction(const Snapshot& before, const UserAction& action, const Snapshot& after,
                   const ActionObserver& seen);

 private:
  void CheckPasswords(const Snapshot& before, const UserAction& action, const Snapshot& after,
                      const ActionObserver& seen);
  void CheckLengths(const Snapshot& before, const UserAction& action, const Snapshot& after);
  void CheckCalculator(const Snapshot& before, const UserAction& action, const Snapshot& after,
                       const ActionObserver& seen);

  // The character set each password box was last drawn from; nothing while it holds what the
  // user typed, or nothing yet.
  std::map<Control, std::optional<std::string_view>> drawn_from_;
  // Whether each of the calculator's outputs holds what the program wrote (its design text "0"
  // at start) rather than what the user typed.
  std::map<Control, bool> written_by_program_{{kCalculator.before_tax, true},
                                              {kCalculator.after_tax, true}};
};

}  // namespace quillet::fuzz
