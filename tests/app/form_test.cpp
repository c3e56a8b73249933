// SPDX-License-Identifier: MIT

#include "app/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "support/recording_listener.h"
#include "support/scenarios.h"
#include "support/scripted_random.h"

namespace quillet {
namespace {

using testing::RecordingListener;
using testing::ScriptedRandom;
using Trace = std::vector<std::string>;

TEST(Form1, StartsWithTheDesignValues) {
  ScriptedRandom random;
  Form1 form(random);
  RecordingListener listener;
  form.SetListener(&listener);
  form.Load();

  for (const auto& [box, text] : testing::kStartUpTexts) {
    EXPECT_EQ(form.Text(box), text) << LayoutOf(box).name;
  }
  for (const auto& [bar, value] : testing::kStartUpValues) {
    EXPECT_EQ(form.Value(bar), value) << LayoutOf(bar).name;
  }
  EXPECT_TRUE(form.Selected(testing::kStartUpOption));
  EXPECT_FALSE(form.Selected(testing::kOtherOption));
  // Loading moves each scroll bar to its box's length and writes the same text back: nothing
  // is drawn, since no password is shown yet.
  EXPECT_EQ(listener.changes, (Trace{"HScroll1", "HScroll2"}));
  EXPECT_EQ(random.Drawn(), 0U);
}

TEST(Form1, KeepsExactlyOneOptionSelected) {
  ScriptedRandom random;
  Form1 form(random);
  RecordingListener listener;
  form.SetListener(&listener);

  form.Select(Control::Option2);
  EXPECT_TRUE(listener.changes.empty());

  form.Select(Control::Option1);
  EXPECT_TRUE(form.Selected(Control::Option1));
  EXPECT_FALSE(form.Selected(Control::Option2));
  EXPECT_EQ(listener.changes, (Trace{"Option2", "Option1"}));

  form.Select(Control::Option2);
  EXPECT_FALSE(form.Selected(Control::Option1));
  EXPECT_TRUE(form.Selected(Control::Option2));
}

TEST(Form1, ScrollRequestsStepAndStopAtTheRangeEnds) {
  struct Row {
    int from;
    ScrollRequest request;
    int to;
  };
  const Row rows[] = {
      {10, ScrollRequest::StepRight, 11}, {10, ScrollRequest::PageRight, 11},
      {10, ScrollRequest::StepLeft, 9},   {10, ScrollRequest::PageLeft, 9},
      {10, ScrollRequest::ToStart, 1},    {10, ScrollRequest::ToEnd, 50},
      {1, ScrollRequest::StepLeft, 1},    {50, ScrollRequest::PageRight, 50},
  };
  for (const Row& row : rows) {
    ScriptedRandom random;
    Form1 form(random);
    form.SetValue(Control::HScroll2, row.from);
    form.Scroll(Control::HScroll2, row.request);
    EXPECT_EQ(form.Value(Control::HScroll2), row.to)
        << row.from << " request " << static_cast<int>(row.request);
  }
}

TEST(Form1, RaisesAChangeOnlyForANewValue) {
  ScriptedRandom random;
  Form1 form(random);
  RecordingListener listener;
  form.SetListener(&listener);

  form.SetText(Control::Text1, "");
  form.SetValue(Control::HScroll1, 1);
  form.SetValue(Control::HScroll1, -100);
  EXPECT_TRUE(listener.changes.empty());

  form.SetText(Control::Text1, "x");
  form.SetValue(Control::HScroll2, 1000);
  EXPECT_EQ(listener.changes, (Trace{"Text1", "HScroll2", "Text11"}));
  EXPECT_EQ(form.Value(Control::HScroll2), 50);
}

TEST(Form1, LeavesNoByteOfAReplacedTextInTheBox) {
  // Each old text may be a password; a short new one is copied into the box's own bytes.
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"9lGhQ2xPz", ""}, {"9lGhQ2xPz", "ab"}, {"9lGhQ2xPz7mKs0dT1vWc", "9lGh"}};
  for (const auto& [old_text, new_text] : rows) {
    ScriptedRandom random;
    Form1 form(random);
    form.SetText(Control::Text9, std::string(old_text));
    form.SetText(Control::Text9, std::string(new_text));
    const std::string& box = form.Text(Control::Text9);
    const std::span<const char> storage(box.data(), box.capacity());
    EXPECT_TRUE(std::ranges::all_of(storage.subspan(box.size()), [](char c) { return c == '\0'; }))
        << old_text << " then " << new_text;
  }
}

TEST(Form1, ClicksElsewhereThanTheButtonDoNothing) {
  ScriptedRandom random;
  Form1 form(random);
  form.Load();
  const FormState before = form.State();
  form.Click(Control::Option1);
  form.Click(Control::Label1);
  EXPECT_EQ(form.State(), before);
}

}  // namespace
}  // namespace quillet
