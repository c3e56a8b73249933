// SPDX-License-Identifier: MIT

#include "app/form_load.h"

#include "app/box_roles.h"
#include "app/form.h"
#include "password/length_rule.h"

namespace quillet {

void Form_Load(Form1& form) {
  for (const LengthRow& row : kLengthRows) {
    if (const auto length = LengthFromText(form.Text(row.length_box))) {
      form.SetValue(row.scroll_bar, *length);
    }
  }
}

}  // namespace quillet
