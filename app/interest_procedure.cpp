// SPDX-License-Identifier: MIT

#include "app/interest_procedure.h"

#include "app/form.h"
#include "interest/recalculation.h"

namespace quillet {

void CalcInterest(Form1& form) {
  InterestTexts results =
      RecalculateInterest({form.Text(Control::Text2), form.Text(Control::Text3),
                           form.Text(Control::Text4), form.Text(Control::Text5)},
                          {form.Text(Control::Text6), form.Text(Control::Text7)});
  form.SetText(Control::Text6, std::move(results.before_tax));
  form.SetText(Control::Text7, std::move(results.after_tax));
}

}  // namespace quillet
