// SPDX-License-Identifier: MIT

#include "interest/recalculation.h"

#include <cmath>
#include <optional>

#include "convert/format_grouped.h"
#include "convert/text_number.h"

namespace quillet {
namespace {

constexpr double kMonthsPerYear = 12.0;
// Amount in 10,000 yen times rate in percent is yen times 100.
constexpr double kYenPerAmountPercent = 100.0;
constexpr double kAfterTax = 0.8;

// Every intermediate result lives as text, rounded to 15 significant digits, and the next step
// reads it back from there. A step whose read fails, or whose arithmetic leaves the double range,
// changes nothing; the steps after it go on with the text as it stands.
void Write(std::string& text, double value) {
  if (std::isfinite(value)) {
    text = DoubleToText(value);
  }
}

// Banks pay interest in whole yen and cut off what lies below one yen: the largest whole number
// not above the value.
void CutToWholeYen(std::string& text) {
  if (const auto yen = TextToDouble(text)) {
    Write(text, std::floor(*yen));
  }
}

// Zero stays "0": grouped, it would be the empty text.
void Group(std::string& text) {
  if (const auto yen = TextToDouble(text); yen && *yen != 0.0) {
    text = FormatGrouped(*yen);
  }
}

}  // namespace

InterestTexts RecalculateInterest(const InterestInputs& inputs, InterestTexts shown) {
  // Without a period that reads there are no months, which the interest counts as zero.
  std::optional<double> months;
  if (const auto years = TextToDouble(inputs.years), extra = TextToDouble(inputs.months);
      years && extra && std::isfinite(*years * kMonthsPerYear + *extra)) {
    months = *years * kMonthsPerYear + *extra;
  }

  if (const auto rate = TextToDouble(inputs.rate), amount = TextToDouble(inputs.amount);
      rate && amount) {
    Write(shown.before_tax,
          ((*rate * *amount) / kMonthsPerYear) * months.value_or(0.0) * kYenPerAmountPercent);
  }
  CutToWholeYen(shown.before_tax);
  Group(shown.before_tax);

  if (const auto before_tax = TextToDouble(shown.before_tax)) {
    Write(shown.after_tax, *before_tax * kAfterTax);
  }
  CutToWholeYen(shown.after_tax);
  Group(shown.after_tax);
  return shown;
}

}  // namespace quillet
