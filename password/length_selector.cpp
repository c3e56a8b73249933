// SPDX-License-Identifier: MIT

#include "password/length_selector.h"

#include "app/form.h"
#include "convert/text_number.h"
#include "password/password_generator.h"

namespace quillet {
namespace {

struct LengthRow {
  Control length_box;
  Control scroll_bar;
  Control password_box;
};

constexpr LengthRow kFirstRow{Control::Text8, Control::HScroll1, Control::Text9};
constexpr LengthRow kSecondRow{Control::Text11, Control::HScroll2, Control::Text10};

void ScrollBarChanged(Form1& form, const LengthRow& row) {
  form.SetText(row.length_box, ShortToText(form.Value(row.scroll_bar)));
  // Only this row's password box is looked at, but all three passwords are drawn again.
  if (!form.Text(row.password_box).empty()) {
    Command1_Click(form);
  }
}

void LengthBoxChanged(Form1& form, const LengthRow& row) {
  if (const auto length = LengthFromText(form.Text(row.length_box))) {
    form.SetValue(row.scroll_bar, *length);
  }
}

}  // namespace

std::optional<std::int16_t> LengthFromText(std::string_view text) {
  const auto length = TextToShort(text);
  if (!length || *length < kScrollMinimum || *length > kScrollMaximum) {
    return std::nullopt;
  }
  return length;
}

void HScroll1_Change(Form1& form) {
  ScrollBarChanged(form, kFirstRow);
}
void HScroll2_Change(Form1& form) {
  ScrollBarChanged(form, kSecondRow);
}
void Text8_Change(Form1& form) {
  LengthBoxChanged(form, kFirstRow);
}
void Text11_Change(Form1& form) {
  LengthBoxChanged(form, kSecondRow);
}

}  // namespace quillet
