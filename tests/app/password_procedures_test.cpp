// SPDX-License-Identifier: MIT

#include "app/password_procedures.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/box_roles.h"
#include "app/form.h"
#include "password/system_random.h"
#include "support/recording_listener.h"
#include "support/scenarios.h"
#include "support/scripted_random.h"

namespace quillet {
namespace {

using testing::CountingRandom;
using testing::RecordingListener;
using testing::ScriptedRandom;
using Trace = std::vector<std::string>;

bool OnlyFrom(std::string_view text, std::string_view characters) {
  return text.find_first_not_of(characters) == std::string_view::npos;
}

struct LengthCase {
  std::string length_text;
  std::size_t expected_length;
};

TEST(Command1Click, GivesEachRowTheLengthItsBoxHolds) {
  const LengthCase cases[] = {
      {"1", 1},   {"10", 10}, {"20", 20},  {"30", 30}, {"50", 50},   {"2.5", 2},  {"3.5", 4},
      {" 7 ", 7}, {"05", 5},  {"０８", 8}, {"0", 0},   {"-3", 0},    {"0.4", 0},  {"", 0},
      {"abc", 0}, {"1E9", 0}, {"60", 0},   {"51", 0},  {"50.5", 50}, {"50.6", 0}, {"1e400", 0},
  };
  for (const auto& [length_text, expected_length] : cases) {
    SystemRandom random;
    Form1 form(random);
    form.Load();
    form.SetText(Control::Text8, length_text);
    form.SetText(Control::Text11, length_text);
    form.Click(Control::Command1);
    SCOPED_TRACE("length text: '" + length_text + "'");
    EXPECT_EQ(form.Text(Control::Text1).size(), 30U);
    EXPECT_EQ(form.Text(Control::Text9).size(), expected_length);
    EXPECT_EQ(form.Text(Control::Text10).size(), expected_length);
  }
}

TEST(Command1Click, DrawsOnlyFromTheChosenSet) {
  for (const testing::Generation& generation : testing::kGenerations) {
    SystemRandom random;
    Form1 form(random);
    form.Load();
    form.Select(generation.option);
    for (int click = 0; click < 20; ++click) {
      form.Click(Control::Command1);
      for (const Control box : {Control::Text1, Control::Text9, Control::Text10}) {
        EXPECT_TRUE(OnlyFrom(form.Text(box), generation.characters)) << form.Text(box);
      }
    }
  }
}

TEST(Command1Click, DrawsText1ThenText9ThenText10) {
  CountingRandom random;
  Form1 form(random);
  form.Load();
  form.SetText(Control::Text8, "3");
  form.SetText(Control::Text11, "2");
  form.Select(Control::Option1);
  form.Click(Control::Command1);
  EXPECT_EQ(form.Text(Control::Text1), "0123456789ABCDEF0123456789ABCD");
  EXPECT_EQ(form.Text(Control::Text9), "EF0");
  EXPECT_EQ(form.Text(Control::Text10), "12");

  // The sequence goes on from one click to the next.
  form.Select(Control::Option2);
  form.Click(Control::Command1);
  EXPECT_EQ(form.Text(Control::Text1), "Zabcdefghijklmnopqrstuvwxyz012");
  EXPECT_EQ(form.Text(Control::Text9), "345");
  EXPECT_EQ(form.Text(Control::Text10), "67");
}

TEST(Command1Click, ChangesNothingAndSaysSoWhenTheSourceFails) {
  // Enough draws for Text1 and Text9, not for Text10: no box may show a partial result.
  ScriptedRandom random(std::vector<std::uint32_t>(30 + 10 + 5, 7U));
  Form1 form(random);
  form.Load();
  form.SetText(Control::Text9, "keep");
  RecordingListener listener;
  form.SetListener(&listener);
  const FormState before = form.State();

  form.Click(Control::Command1);

  EXPECT_EQ(form.State(), before);
  EXPECT_EQ(listener.changes, std::vector<std::string>{"random source failed"});
}

TEST(Command1Click, ChoosingAnOptionRegeneratesNothing) {
  SystemRandom random;
  Form1 form(random);
  form.Load();
  form.Click(Control::Command1);
  const std::string shown = form.Text(Control::Text1);
  form.Select(Control::Option1);
  EXPECT_EQ(form.Text(Control::Text1), shown);
}

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
