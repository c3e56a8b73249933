// SPDX-License-Identifier: MIT

#include "app/interest_procedure.h"

#include "app/box_roles.h"
#include "app/form.h"
#include "interest/recalculation.h"

namespace quillet {

void CalcInterest(Form1& form) {
  const CalculatorBoxes& boxes = kCalculator;
  InterestTexts results =
      RecalculateInterest({form.Text(boxes.amount), form.Text(boxes.years), form.Text(boxes.months),
                           form.Text(boxes.rate)},
                          {form.Text(boxes.before_tax), form.Text(boxes.after_tax)});
  form.SetText(boxes.before_tax, std::move(results.before_tax));
  form.SetText(boxes.after_tax, std::move(results.after_tax));
}

}  // namespace quillet
