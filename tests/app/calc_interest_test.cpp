// SPDX-License-Identifier: MIT

#include "app/interest_procedure.h"

#include <gtest/gtest.h>

#include <string>

#include "app/box_roles.h"
#include "app/control_table.h"
#include "app/form.h"
#include "support/scenarios.h"
#include "support/scripted_random.h"

namespace quillet {
namespace {

using testing::ScriptedRandom;

class Calculator : public ::testing::Test {
 protected:
  Calculator() { form.Load(); }

  // Types a text into a box one character at a time, as a user would.
  void Type(Control box, const std::string& text) {
    for (std::size_t end = 1; end <= text.size(); ++end) {
      form.SetText(box, form.Text(box) + text.substr(end - 1, 1));
    }
  }

  void Enter(const std::string& amount, const std::string& years, const std::string& months,
             const std::string& rate) {
    form.SetText(kCalculator.amount, amount);
    form.SetText(kCalculator.years, years);
    form.SetText(kCalculator.months, months);
    form.SetText(kCalculator.rate, rate);
  }

  ScriptedRandom random;
  Form1 form{random};
};

struct InterestCase {
  std::string amount, years, months, rate;
  std::string before_tax, after_tax;
};

TEST_F(Calculator, GivesTheInterestInWholeYen) {
  const InterestCase cases[] = {
      {"100", "1", "0", "0.02", "200", "160"},
      {"1", "0", "3", "1", "25", "20"},  // an exact odd yen stays as it is
      {"12345", "10", "0", "5", "61,725,000", "49,380,000"},
      {"100", "1", "0", "0.1", "1,000", "800"},
      {"300", "3", "0", "0.25", "22,500", "18,000"},
      {"1", "0", "1", "1", "8", "6"},   // 8.33333333333333 and 6.4 lose their fractions
      {"100", "", "0", "1", "0", "0"},  // no years: no months
      {"100", "1", "0", "-1", "-10,000", "-8,000"},
      {"1", "0", "1", "-1", "-9", "-8"},  // -8.33… and -7.2 go down to the whole yen below
      {"1,000", "１", "0", "1", "100,000", "80,000"},
      {"1E10", "1000", "0", "10", "10,000,000,000,000,000", "8,000,000,000,000,000"},
      {"123456789", "99", "11", "9.99", "12,323,055,443,415", "9,858,444,354,732"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.amount + " / " + c.years + " / " + c.months + " / " + c.rate);
    Enter(c.amount, c.years, c.months, c.rate);
    EXPECT_EQ(form.Text(kCalculator.before_tax), c.before_tax);
    EXPECT_EQ(form.Text(kCalculator.after_tax), c.after_tax);
  }
}

TEST_F(Calculator, RecalculatesOnEveryKeystroke) {
  for (const auto& [box, text, before_tax, after_tax] : testing::kCalculatorKeystrokes) {
    form.SetText(box, std::string(text));
    SCOPED_TRACE(std::string(LayoutOf(box).name) + " after typing '" + std::string(text) + "'");
    EXPECT_EQ(form.Text(kCalculator.before_tax), before_tax);
    EXPECT_EQ(form.Text(kCalculator.after_tax), after_tax);
  }
}

TEST_F(Calculator, ASumShownStaysWhenTheAmountGoesMissing) {
  Enter("", "1", "0", "1");
  form.SetText(kCalculator.before_tax, "1,235");
  form.SetText(kCalculator.years, "2");
  EXPECT_EQ(form.Text(kCalculator.before_tax), "1,235");
  EXPECT_EQ(form.Text(kCalculator.after_tax), "988");
}

TEST_F(Calculator, AnOverflowingStepLeavesItsBoxAsItWas) {
  Enter("12", "1", "0", "1");
  ASSERT_EQ(form.Text(kCalculator.before_tax), "1,200");
  form.SetText(kCalculator.rate, "");
  form.SetText(kCalculator.amount, "1E300");
  form.SetText(kCalculator.rate, "1E300");
  EXPECT_EQ(form.Text(kCalculator.before_tax), "1,200");
  EXPECT_EQ(form.Text(kCalculator.after_tax), "960");

  // A period whose months overflow has none, so the interest is zero.
  Enter("1", "1E308", "1E308", "1");
  EXPECT_EQ(form.Text(kCalculator.before_tax), "0");
}

TEST_F(Calculator, WhatTheUserTypesIntoAnOutputIsWorkedOnByTheNextRecalculation) {
  form.SetText(kCalculator.before_tax, "abc");
  form.SetText(kCalculator.after_tax, "12.9");
  Type(kCalculator.amount, "5");  // no rate: Text6 cannot be computed nor read
  EXPECT_EQ(form.Text(kCalculator.before_tax), "abc");
  EXPECT_EQ(form.Text(kCalculator.after_tax), "12");
}

TEST_F(Calculator, NothingRunsAtStartUp) {
  EXPECT_EQ(form.Text(kCalculator.before_tax), "0");
  EXPECT_EQ(form.Text(kCalculator.after_tax), "0");
}

}  // namespace
}  // namespace quillet
