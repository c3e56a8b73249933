// SPDX-License-Identifier: MIT

#include "app/password_procedures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/box_roles.h"
#include "app/form.h"
#include "password/system_random.h"
#include "support/recording_listener.h"

namespace quillet {
namespace {

using testing::RecordingListener;
using Trace = std::vector<std::string>;

// A form right after start-up whose listener records from then on.
class LengthSelector : public ::testing::Test {
 protected:
  LengthSelector() {
    form.Load();
    form.SetListener(&listener);
  }

  void Generate() {
    form.Click(Control::Command1);
    listener.changes.clear();
  }

  SystemRandom random;
  Form1 form{random};
  RecordingListener listener;
};

TEST_F(LengthSelector, StartUpPutsTheDesignLengthsOnTheScrollBars) {
  for (const LengthRow& row : kLengthRows) {
    EXPECT_EQ(std::to_string(form.Value(row.scroll_bar)), form.Text(row.length_box));
  }
}

TEST_F(LengthSelector, ScrollingWithoutPasswordsOnlyWritesTheLength) {
  form.SetValue(Control::HScroll1, 11);
  EXPECT_EQ(listener.changes, (Trace{"HScroll1", "Text8"}));
  EXPECT_EQ(form.Text(Control::Text8), "11");
  EXPECT_EQ(form.Text(Control::Text9), "");
}

TEST_F(LengthSelector, ScrollingRegeneratesOnceTheRowShowsAPassword) {
  Generate();
  form.SetValue(Control::HScroll2, 21);
  EXPECT_EQ(listener.changes, (Trace{"HScroll2", "Text11", "Text1", "Text9", "Text10"}));
  EXPECT_EQ(form.Text(Control::Text11), "21");
  EXPECT_EQ(form.Text(Control::Text10).size(), 21U);
}

TEST_F(LengthSelector, OnlyTheScrolledRowsOwnPasswordBoxDecides) {
  Generate();
  form.SetText(Control::Text9, "");  // the user empties the first row
  listener.changes.clear();

  form.SetValue(Control::HScroll1, 12);
  EXPECT_EQ(listener.changes, (Trace{"HScroll1", "Text8"}));
  EXPECT_EQ(form.Text(Control::Text9), "");

  listener.changes.clear();
  form.SetValue(Control::HScroll2, 19);
  EXPECT_EQ(listener.changes, (Trace{"HScroll2", "Text11", "Text1", "Text9", "Text10"}));
  EXPECT_EQ(form.Text(Control::Text9).size(), 12U);

  // A box that holds only spaces is not empty.
  form.SetText(Control::Text9, " ");
  listener.changes.clear();
  form.SetValue(Control::HScroll1, 13);
  EXPECT_EQ(listener.changes, (Trace{"HScroll1", "Text8", "Text1", "Text9", "Text10"}));
}

struct TypingCase {
  std::string name;
  std::vector<std::string> texts;  // what the box holds after each keystroke or paste
  Trace trace;
  std::string final_text;
  std::int16_t final_value;
};

TEST_F(LengthSelector, TypedLengthsMoveTheScrollBar) {
  const TypingCase cases[] = {
      {"typing 7", {"7"}, {"Text8", "HScroll1", "Text1", "Text9", "Text10"}, "7", 7},
      {"typing 2 then 5 over a selected 10",
       {"2", "25"},
       {"Text8", "HScroll1", "Text1", "Text9", "Text10", "Text8", "HScroll1", "Text1", "Text9",
        "Text10"},
       "25",
       25},
      // The scroll bar takes 2 and writes it back over the pasted text.
      {"pasting 2.5", {"2.5"}, {"Text8", "HScroll1", "Text8", "Text1", "Text9", "Text10"}, "2", 2},
      {"deleting to an empty box",
       {"1", ""},
       {"Text8", "HScroll1", "Text1", "Text9", "Text10", "Text8"},
       "",
       1},
      {"a length beyond 50", {"60"}, {"Text8"}, "60", 10},
      {"letters", {"abc"}, {"Text8"}, "abc", 10},
      {"zero", {"0"}, {"Text8"}, "0", 10},
      {"beyond the short range", {"1E9"}, {"Text8"}, "1E9", 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Generate();
    form.SetValue(Control::HScroll1, 10);
    form.SetText(Control::Text8, "10");
    listener.changes.clear();

    for (const std::string& text : c.texts) {
      form.SetText(Control::Text8, text);
    }
    EXPECT_EQ(listener.changes, c.trace);
    EXPECT_EQ(form.Text(Control::Text8), c.final_text);
    EXPECT_EQ(form.Value(Control::HScroll1), c.final_value);
  }
}

TEST_F(LengthSelector, ATextForTheLengthAlreadyShownChangesOnlyTheText) {
  const std::pair<std::int16_t, std::string> cases[] = {{5, "05"}, {4, "4.5"}, {10, "10.0"}};
  for (const auto& [value, text] : cases) {
    form.SetValue(Control::HScroll1, value);
    listener.changes.clear();
    form.SetText(Control::Text8, text);
    EXPECT_EQ(listener.changes, (Trace{"Text8"}));
    EXPECT_EQ(form.Text(Control::Text8), text);
    EXPECT_EQ(form.Value(Control::HScroll1), value);
  }
}

TEST_F(LengthSelector, TheRangeEndsRaiseNothing) {
  form.SetValue(Control::HScroll1, 1);
  form.SetValue(Control::HScroll2, 50);
  listener.changes.clear();
  form.SetValue(Control::HScroll1, 0);   // left arrow at 1
  form.SetValue(Control::HScroll2, 51);  // right arrow at 50
  EXPECT_TRUE(listener.changes.empty());
  EXPECT_EQ(form.Value(Control::HScroll1), 1);
  EXPECT_EQ(form.Value(Control::HScroll2), 50);
}

}  // namespace
}  // namespace quillet
