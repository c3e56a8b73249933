// SPDX-License-Identifier: MIT

#include "fuzz/form_properties.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/box_roles.h"
#include "convert/text_number.h"
#include "fuzz/require.h"
#include "password/character_sets.h"
#include "password/password_generator.h"

namespace quillet::fuzz {
namespace {

// The most changes one action can set off, with room to spare: a keystroke in the calculator
// writes each output once (3 reports); a pasted length moves its bar, the bar rewrites the box
// and three passwords are drawn (6). At most 130 characters are drawn, and a draw
// is thrown back about once in a billion.
constexpr std::size_t kMostReportsPerAction = 8;
constexpr std::uint64_t kMostDrawsPerAction = kFixedPasswordLength + 2 * 50 + 8;

// The length a scroll bar can show for this text, if any.
std::optional<int> ShowableLength(const std::string& text) {
  const auto length = TextToShort(text);
  if (!length || *length < 1 || *length > 50) {
    return std::nullopt;
  }
  return *length;
}

std::optional<Control> EditedBox(const UserAction& action, const Snapshot& before) {
  const auto* edit = std::get_if<EditText>(&action);
  if (edit == nullptr || edit->text == before.texts.at(edit->box)) {
    return std::nullopt;
  }
  return edit->box;
}

bool OnlyFrom(const std::string& text, std::string_view characters) {
  return text.find_first_not_of(characters) == std::string::npos;
}

}  // namespace

Snapshot Take(const Form1& form, const FuzzRandom& random) {
  Snapshot snapshot;
  for (const Control box : kTextBoxes) {
    snapshot.texts[box] = form.Text(box);
  }
  for (const Control bar : kScrollBars) {
    snapshot.values[bar] = form.Value(bar);
  }
  snapshot.option1 = form.Selected(Control::Option1);
  Require(form.Selected(Control::Option1) != form.Selected(Control::Option2),
          "exactly one option button is selected");
  snapshot.draws = random.Draws();
  snapshot.failures = random.Failures();
  return snapshot;
}

void FormProperties::CheckAction(const Snapshot& before, const UserAction& action,
                                 const Snapshot& after, const ActionObserver& seen) {
  Require(seen.Reports() <= kMostReportsPerAction, "an action sets off a bounded chain");
  Require(after.draws - before.draws <= kMostDrawsPerAction, "an action draws a bounded count");
  if (const auto* select = std::get_if<SelectOption>(&action)) {
    Require(after.option1 == (select->option == Control::Option1), "the chosen option is selected");
  } else {
    Require(after.option1 == before.option1, "only choosing an option changes the options");
  }
  CheckPasswords(before, action, after, seen);
  CheckLengths(before, action, after);
  CheckCalculator(before, action, after, seen);
}

void FormProperties::CheckPasswords(const Snapshot& before, const UserAction& action,
                                    const Snapshot& after, const ActionObserver& seen) {
  bool should_draw = std::holds_alternative<ClickButton>(action);
  for (const LengthRow& row : kLengthRows) {
    should_draw =
        should_draw || (after.values.at(row.scroll_bar) != before.values.at(row.scroll_bar) &&
                        !before.texts.at(row.password_box).empty());
  }
  const std::uint64_t failures = after.failures - before.failures;
  const bool drew = after.draws > before.draws || failures > 0;
  Require(drew == should_draw,
          "passwords are drawn on a click, or when a bar moves while its row shows one");
  Require(failures <= 1 && seen.FailureReports() == failures,
          "a failing random source is reported, once");

  const std::optional<Control> edited = EditedBox(action, before);
  if (drew && failures == 0) {
    const std::string_view characters = after.option1 ? HexDigits : AlnumChars;
    Require(after.texts.at(kFixedPasswordBox).size() == kFixedPasswordLength, "Text1 is 30 long");
    for (const LengthRow& row : kLengthRows) {
      const std::size_t length = ShowableLength(after.texts.at(row.length_box)).value_or(0);
      Require(after.texts.at(row.password_box).size() == length,
              "a password is as long as its length box says, or empty when it says no length");
    }
    for (const Control box : kPasswordBoxes) {
      drawn_from_[box] = characters;
    }
  } else {
    for (const Control box : kPasswordBoxes) {
      if (box == edited) {
        drawn_from_[box].reset();
      } else {
        Require(after.texts.at(box) == before.texts.at(box),
                "a password box changes only when passwords are drawn or the user edits it");
      }
    }
  }
  for (const Control box : kPasswordBoxes) {
    if (const auto characters = drawn_from_[box]) {
      Require(OnlyFrom(after.texts.at(box), *characters),
              "a drawn password holds only characters of the set chosen when it was drawn");
      Require(after.texts.at(box).size() <= 50, "a drawn password is at most 50 long");
    }
  }
}

void FormProperties::CheckLengths(const Snapshot& before, const UserAction& action,
                                  const Snapshot& after) {
  const std::optional<Control> edited = EditedBox(action, before);
  for (const LengthRow& row : kLengthRows) {
    const std::int16_t bar = after.values.at(row.scroll_bar);
    const std::string& box = after.texts.at(row.length_box);
    Require(bar >= 1 && bar <= 50, "a scroll bar stays within 1 to 50");
    if (const auto length = ShowableLength(box)) {
      Require(bar == *length, "a length box that holds a length is in step with its bar");
    }

    const std::int16_t bar_before = before.values.at(row.scroll_bar);
    if (edited == row.length_box) {
      const std::string& typed = std::get<EditText>(action).text;
      const auto length = ShowableLength(typed);
      if (!length || *length == bar_before) {
        Require(box == typed && bar == bar_before,
                "a length the bar already shows, or cannot show, stays as typed");
      } else {
        Require(bar == *length && box == ShortToText(bar),
                "a new length moves the bar, which rewrites the box");
      }
    } else if (bar != bar_before) {
      Require(std::holds_alternative<StepScrollBar>(action) ||
                  std::holds_alternative<ReleaseThumb>(action),
              "a bar moves only when the user moves it or edits its box");
      Require(box == ShortToText(bar), "a moved bar writes its value into its box");
    } else {
      Require(box == before.texts.at(row.length_box),
              "a length box changes only when the user edits it or its bar moves");
    }
  }
}

void FormProperties::CheckCalculator(const Snapshot& before, const UserAction& action,
                                     const Snapshot& after, const ActionObserver& seen) {
  const std::optional<Control> edited = EditedBox(action, before);
  for (const Control input : kCalculatorInputs) {
    Require(input == edited || after.texts.at(input) == before.texts.at(input),
            "only the user changes the calculator's inputs");
  }
  const bool recalculated =
      edited && std::ranges::find(kCalculatorInputs, *edited) != kCalculatorInputs.end();
  for (const Control output : kCalculatorOutputs) {
    if (output == edited) {
      written_by_program_[output] = false;
      continue;
    }
    Require(recalculated || after.texts.at(output) == before.texts.at(output),
            "the outputs change only when an input does");
    if (seen.ProgramChanged(output)) {
      written_by_program_[output] = true;
    }
    if (written_by_program_[output]) {
      const auto yen = TextToDouble(after.texts.at(output));
      Require(yen && std::trunc(*yen) == *yen, "the calculator shows whole yen");
    }
  }

  const auto before_tax = TextToDouble(after.texts.at(kCalculator.before_tax));
  if (recalculated && before_tax) {
    const auto after_tax = TextToDouble(after.texts.at(kCalculator.after_tax));
    Require(after_tax && *after_tax >= std::min(0.0, *before_tax) &&
                *after_tax <= std::max(0.0, *before_tax),
            "the interest after tax lies between zero and the interest before tax");
  }
}

}  // namespace quillet::fuzz
