// SPDX-License-Identifier: MIT

#include "interest/calc_interest.h"

#include <cmath>
#include <optional>

#include "app/form.h"
#include "convert/format_grouped.h"
#include "convert/text_number.h"

namespace quillet {
namespace {

constexpr double kMonthsPerYear = 12.0;
// Amount in 10,000 yen times rate in percent is yen times 100.
constexpr double kYenPerAmountPercent = 100.0;
constexpr double kAfterTax = 0.8;

// Every intermediate result lives as text in an output box, rounded to 15 significant digits,
// and the next step reads it back from there. A step whose read fails, or whose arithmetic leaves
// the double range, changes nothing; the steps after it go on with what the boxes hold.
std::optional<double> Read(const Form1& form, Control box) {
  return TextToDouble(form.Text(box));
}

void Write(Form1& form, Control box, double value) {
  if (std::isfinite(value)) {
    form.SetText(box, DoubleToText(value));
  }
}

// Banks pay interest in whole yen and cut off what lies below one yen: the largest whole number
// not above the value.
void CutToWholeYen(Form1& form, Control box) {
  if (const auto yen = Read(form, box)) {
    Write(form, box, std::floor(*yen));
  }
}

// Zero stays "0": grouped, it would be the empty text.
void Group(Form1& form, Control box) {
  if (const auto yen = Read(form, box); yen && *yen != 0.0) {
    form.SetText(box, FormatGrouped(*yen));
  }
}

}  // namespace

void CalcInterest(Form1& form) {
  // Without a period that reads there are no months, which the interest counts as zero.
  std::optional<double> months;
  if (const auto years = Read(form, Control::Text3), extra = Read(form, Control::Text4);
      years && extra && std::isfinite(*years * kMonthsPerYear + *extra)) {
    months = *years * kMonthsPerYear + *extra;
  }

  if (const auto rate = Read(form, Control::Text5), amount = Read(form, Control::Text2);
      rate && amount) {
    Write(form, Control::Text6,
          ((*rate * *amount) / kMonthsPerYear) * months.value_or(0.0) * kYenPerAmountPercent);
  }
  CutToWholeYen(form, Control::Text6);
  Group(form, Control::Text6);

  if (const auto before_tax = Read(form, Control::Text6)) {
    Write(form, Control::Text7, *before_tax * kAfterTax);
  }
  CutToWholeYen(form, Control::Text7);
  Group(form, Control::Text7);
}

}  // namespace quillet
