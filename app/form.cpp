// SPDX-License-Identifier: MIT

#include "app/form.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <utility>

#include "app/event_table.h"
#include "password/wipe.h"

namespace quillet {
namespace {

// Where each control keeps its value in the form's state.
#define QUILLET_FIELD(name, start) {Control::name, &FormState::name},
constexpr std::pair<Control, std::string FormState::*> kTexts[] = {
    ENUMERATE_TEXT_BOXES(QUILLET_FIELD)};
constexpr std::pair<Control, std::int16_t FormState::*> kValues[] = {
    ENUMERATE_SCROLL_BARS(QUILLET_FIELD)};
constexpr std::pair<Control, bool FormState::*> kSelections[] = {
    ENUMERATE_OPTION_BUTTONS(QUILLET_FIELD)};
#undef QUILLET_FIELD

template <typename Member, std::size_t size>
Member FieldOf(const std::pair<Control, Member> (&fields)[size], Control control) {
  for (const auto& [candidate, member] : fields) {
    if (candidate == control) {
      return member;
    }
  }
  std::abort();  // not a control of that kind: a mistake in the program, not in its input
}

}  // namespace

Form1::Form1(RandomSource& random) : random_(random) {}

const std::string& Form1::Text(Control text_box) const {
  return state_.*FieldOf(kTexts, text_box);
}

std::int16_t Form1::Value(Control scroll_bar) const {
  return state_.*FieldOf(kValues, scroll_bar);
}

bool Form1::Selected(Control option_button) const {
  return state_.*FieldOf(kSelections, option_button);
}

bool Form1::TakesTabStop(Control control) const {
  switch (KindOf(control)) {
    case ControlKind::Label:
      return false;
    case ControlKind::OptionButton:
      return Selected(control);
    default:
      return true;
  }
}

void Form1::SetText(Control text_box, std::string text) {
  // The text replaced, or the one not needed, may be a password: no copy of it stays behind.
  std::string& field = state_.*FieldOf(kTexts, text_box);
  if (field == text) {
    Wipe(text);
    return;
  }
  Wipe(field);
  field.swap(text);
  Wipe(text);
  Changed(text_box);
}

void Form1::SetValue(Control scroll_bar, int value) {
  const auto bounded =
      static_cast<std::int16_t>(std::clamp<int>(value, kScrollMinimum, kScrollMaximum));
  std::int16_t& field = state_.*FieldOf(kValues, scroll_bar);
  if (field == bounded) {
    return;
  }
  field = bounded;
  Changed(scroll_bar);
}

void Form1::Scroll(Control scroll_bar, ScrollRequest request) {
  const int value = Value(scroll_bar);
  switch (request) {
    case ScrollRequest::StepLeft:
    case ScrollRequest::PageLeft:
      SetValue(scroll_bar, value - kScrollStep);
      break;
    case ScrollRequest::StepRight:
    case ScrollRequest::PageRight:
      SetValue(scroll_bar, value + kScrollStep);
      break;
    case ScrollRequest::ToStart:
      SetValue(scroll_bar, kScrollMinimum);
      break;
    case ScrollRequest::ToEnd:
      SetValue(scroll_bar, kScrollMaximum);
      break;
  }
}

void Form1::Select(Control option_button) {
  if (Selected(option_button)) {
    return;
  }
  const Control other = option_button == Control::Option1 ? Control::Option2 : Control::Option1;
  state_.*FieldOf(kSelections, other) = false;
  state_.*FieldOf(kSelections, option_button) = true;
  Changed(other);
  Changed(option_button);
}

void Form1::Click(Control button) {
  RunClickProcedure(*this, button);
}

void Form1::Load() {
  RunLoadProcedure(*this);
}

void Form1::ReportRandomFailure() {
  if (listener_ != nullptr) {
    listener_->RandomSourceFailed();
  }
}

void Form1::Changed(Control control) {
  if (listener_ != nullptr) {
    listener_->ControlChanged(control);
  }
  RunChangeProcedure(*this, control);
}

}  // namespace quillet
