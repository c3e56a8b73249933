// SPDX-License-Identifier: MIT

#include "app/form.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "app/control_table.h"
#include "app/event_table.h"
#include "password/wipe.h"

namespace quillet {
namespace {

std::string FormState::*TextMember(Control text_box) {
  switch (text_box) {
    case Control::Text1:
      return &FormState::Text1;
    case Control::Text2:
      return &FormState::Text2;
    case Control::Text3:
      return &FormState::Text3;
    case Control::Text4:
      return &FormState::Text4;
    case Control::Text5:
      return &FormState::Text5;
    case Control::Text6:
      return &FormState::Text6;
    case Control::Text7:
      return &FormState::Text7;
    case Control::Text8:
      return &FormState::Text8;
    case Control::Text9:
      return &FormState::Text9;
    case Control::Text10:
      return &FormState::Text10;
    case Control::Text11:
      return &FormState::Text11;
    default:
      std::abort();  // not a text box: a mistake in the program, not in its input
  }
}

std::int16_t FormState::*ValueMember(Control scroll_bar) {
  switch (scroll_bar) {
    case Control::HScroll1:
      return &FormState::HScroll1;
    case Control::HScroll2:
      return &FormState::HScroll2;
    default:
      std::abort();
  }
}

bool FormState::*SelectedMember(Control option_button) {
  switch (option_button) {
    case Control::Option1:
      return &FormState::Option1;
    case Control::Option2:
      return &FormState::Option2;
    default:
      std::abort();
  }
}

}  // namespace

Form1::Form1(RandomSource& random) : random_(random) {}

const std::string& Form1::Text(Control text_box) const {
  return state_.*TextMember(text_box);
}

std::int16_t Form1::Value(Control scroll_bar) const {
  return state_.*ValueMember(scroll_bar);
}

bool Form1::Selected(Control option_button) const {
  return state_.*SelectedMember(option_button);
}

bool Form1::TakesTabStop(Control control) const {
  switch (LayoutOf(control).kind) {
    case ControlKind::Label:
      return false;
    case ControlKind::OptionButton:
      return Selected(control);
    default:
      return true;
  }
}

std::string& Form1::TextField(Control text_box) {
  return state_.*TextMember(text_box);
}

std::int16_t& Form1::ValueField(Control scroll_bar) {
  return state_.*ValueMember(scroll_bar);
}

void Form1::SetText(Control text_box, std::string text) {
  // The text replaced, or the one not needed, may be a password: no copy of it stays behind.
  std::string& field = TextField(text_box);
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
  std::int16_t& field = ValueField(scroll_bar);
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
  state_.*SelectedMember(other) = false;
  state_.*SelectedMember(option_button) = true;
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
