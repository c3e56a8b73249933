// SPDX-License-Identifier: MIT

#include "app/password_procedures.h"

#include "app/box_roles.h"
#include "app/form.h"
#include "convert/text_number.h"
#include "password/character_sets.h"
#include "password/length_rule.h"
#include "password/password_generator.h"

namespace quillet {
namespace {

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

void Command1_Click(Form1& form) {
  const std::string_view characters = form.Selected(Control::Option1) ? HexDigits : AlnumChars;
  const auto [first_row, second_row] = kLengthRows;
  auto passwords = DrawPasswords(form.Random(), characters,
                                 LengthFromText(form.Text(first_row.length_box)).value_or(0),
                                 LengthFromText(form.Text(second_row.length_box)).value_or(0));
  if (!passwords) {
    form.ReportRandomFailure();
    return;
  }
  form.SetText(kFixedPasswordBox, std::move(passwords->fixed));
  form.SetText(first_row.password_box, std::move(passwords->first));
  form.SetText(second_row.password_box, std::move(passwords->second));
}

void HScroll1_Change(Form1& form) {
  ScrollBarChanged(form, kLengthRows[0]);
}
void HScroll2_Change(Form1& form) {
  ScrollBarChanged(form, kLengthRows[1]);
}
void Text8_Change(Form1& form) {
  LengthBoxChanged(form, kLengthRows[0]);
}
void Text11_Change(Form1& form) {
  LengthBoxChanged(form, kLengthRows[1]);
}

}  // namespace quillet
