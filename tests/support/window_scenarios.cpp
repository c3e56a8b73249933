// SPDX-License-Identifier: MIT

#include "support/window_scenarios.h"

#include <algorithm>
#include <concepts>
#include <iterator>

#include "app/control_table.h"
#include "password/character_sets.h"
#include "support/scenarios.h"

namespace quillet::testing {
namespace {

std::string Shown(std::string_view text) {
  // Appended rather than inserted after a leading quote, where GCC 12's optimiser warns of an
  // overlapping copy that cannot happen.
  std::string shown = "\"";
  return shown.append(text).append("\"");
}
std::string Shown(bool yes) {
  return yes ? "yes" : "no";
}
template <std::integral Number>
std::string Shown(Number number) {
  return std::to_string(number);
}
std::string Shown(std::optional<Control> control) {
  return control ? std::string(NameOf(*control)) : "nothing";
}

}  // namespace

std::optional<Control> FindControl(const std::function<bool(Control)>& matches) {
  const auto controls = ControlTable();
  const auto found = std::ranges::find_if(
      controls, [&](const ControlLayout& layout) { return matches(layout.control); });
  return found == controls.end() ? std::nullopt : std::optional(found->control);
}

void WindowScenarios::Expect(bool passed, std::string_view what) {
  if (!passed) {
    failures_.append(what).append("\n");
  }
}

template <typename Read, typename Value>
void WindowScenarios::ExpectSoon(const Read& read, const Value& expected, std::string_view what) {
  if (!window_.Settles([&] { return read() == expected; })) {
    Expect(false, std::string(what) + ": " + Shown(read()) + ", not " + Shown(expected));
  }
}

void WindowScenarios::ExpectText(Control box, std::string_view text) {
  ExpectSoon([&] { return window_.Text(box); }, text, NameOf(box));
}

void WindowScenarios::ExpectLength(Control box, std::size_t length) {
  ExpectSoon([&] { return window_.Text(box).size(); }, length, NameOf(box));
}

void WindowScenarios::ExpectValue(Control scroll_bar, int value) {
  ExpectSoon([&] { return window_.Value(scroll_bar); }, value, NameOf(scroll_bar));
}

void WindowScenarios::ExpectChecked(Control option_button, bool checked) {
  ExpectSoon([&] { return window_.Checked(option_button); }, checked, NameOf(option_button));
}

void WindowScenarios::ExpectFocus(Control control) {
  ExpectSoon([&] { return window_.Focused(); }, std::optional(control), "the focus");
}

void WindowScenarios::ExpectOnlyFrom(Control box, std::string_view characters) {
  ExpectSoon([&] { return window_.Text(box).find_first_not_of(characters); }, std::string::npos,
             std::string(NameOf(box)) + "'s first character not of " + Shown(characters));
}

void WindowScenarios::StartsWithTheDesignValues() {
  Expect(window_.Caption() == kWindowCaption, "the caption is " + Shown(window_.Caption()));
  for (const auto& [box, text] : kStartUpTexts) {
    ExpectText(box, text);
  }
  for (const auto& [bar, value] : kStartUpValues) {
    ExpectValue(bar, value);
  }
  ExpectChecked(kStartUpOption, true);
  ExpectChecked(kOtherOption, false);
  ExpectFocus(kTabStops[0]);
}

void WindowScenarios::StartUpSizeShowsOnlyTheGeneratorsTopRows() {
  const PixelRect client = window_.ClientArea();
  for (const ControlLayout& layout : ControlTable()) {
    const PixelRect place = window_.Place(layout.control);
    const bool inside = place.left >= client.left && place.top >= client.top &&
                        place.right <= client.right && place.bottom <= client.bottom;
    const bool apart = place.right <= client.left || place.left >= client.right ||
                       place.bottom <= client.top || place.top >= client.bottom;
    Expect(ShownAtStartUp(layout.control) ? inside : apart,
           std::string(layout.name) + (inside ? " is shown" : " is not shown whole"));
  }
}

void WindowScenarios::APasteOfAnyLengthIsKeptWhole() {
  const std::string long_text(40000, '7');
  window_.Paste(Control::Text2, long_text);
  ExpectLength(Control::Text2, long_text.size());
}

void WindowScenarios::TheButtonDrawsThreePasswordsFromTheChosenSet() {
  for (const Generation& generation : kGenerations) {
    const std::string shown = window_.Text(Control::Text1);
    window_.Click(generation.option);
    for (const Control option : {kStartUpOption, kOtherOption}) {
      ExpectChecked(option, option == generation.option);
    }
    ExpectText(Control::Text1, shown);
    window_.SetText(Control::Text8, generation.length1_text);
    window_.SetText(Control::Text11, generation.length2_text);

    window_.Click(Control::Command1);
    Expect(window_.Settles([&] { return window_.Text(Control::Text1) != shown; }),
           "the button drew no new password");
    ExpectLength(Control::Text1, 30);
    ExpectLength(Control::Text9, static_cast<std::size_t>(generation.length1));
    ExpectLength(Control::Text10, static_cast<std::size_t>(generation.length2));
    for (const Control box : {Control::Text1, Control::Text9, Control::Text10}) {
      ExpectOnlyFrom(box, generation.characters);
    }
  }
}

void WindowScenarios::ALengthIsTypedKeyByKey() {
  window_.Focus(Control::Text8);
  window_.TypeText("1");
  ExpectValue(Control::HScroll1, 1);
  window_.TypeText("2");
  ExpectText(Control::Text8, "12");
  ExpectValue(Control::HScroll1, 12);
  ExpectText(Control::Text9, "");  // nothing shown yet, so nothing drawn

  window_.Click(Control::Command1);
  window_.Focus(Control::HScroll1);
  window_.Press(Key::Right);
  ExpectText(Control::Text8, "13");
  ExpectLength(Control::Text9, 13);

  // Full-width digits from an input method read like ASCII ones. The box is rewritten in ASCII
  // with the caret still after the digit, where the next one goes.
  window_.Focus(Control::Text8);
  window_.TypeText("３");
  ExpectValue(Control::HScroll1, 3);
  ExpectText(Control::Text8, "3");
  window_.TypeText("５");
  ExpectText(Control::Text8, "35");
  ExpectLength(Control::Text9, 35);

  // A text no scroll bar can show stays as typed and leaves the bar where it is.
  window_.TypeText("0");
  ExpectText(Control::Text8, "350");
  ExpectValue(Control::HScroll1, 35);
}

void WindowScenarios::ScrollBarsAndLengthBoxesStayInStep() {
  window_.Scroll(Control::HScroll1, ScrollStep::RightArrow);
  ExpectText(Control::Text8, "11");
  ExpectText(Control::Text9, "");  // nothing shown yet, so nothing drawn

  // With passwords shown, a bar that moves draws all three again.
  window_.Click(Control::Command1);
  ExpectLength(Control::Text9, 11);
  const std::string drawn = window_.Text(Control::Text1);
  window_.Focus(Control::HScroll1);
  window_.Press(Key::Left);
  ExpectText(Control::Text8, "10");
  ExpectLength(Control::Text9, 10);
  Expect(window_.Settles([&] { return window_.Text(Control::Text1) != drawn; }),
         "the bar drew no new password");

  // A dragged thumb moves nothing until it is let go.
  window_.Scroll(Control::HScroll1, ScrollStep::DragThumb, 40);
  ExpectText(Control::Text8, "10");
  window_.Scroll(Control::HScroll1, ScrollStep::DropThumb, 40);
  ExpectText(Control::Text8, "40");
  ExpectLength(Control::Text9, 40);

  window_.Scroll(Control::HScroll2, ScrollStep::RightArrow);
  ExpectText(Control::Text11, "21");
  ExpectLength(Control::Text10, 21);
  // At the end of its range a bar moves nothing and draws nothing.
  window_.Scroll(Control::HScroll2, ScrollStep::RightEnd);
  ExpectText(Control::Text11, "50");
  const std::string at_end = window_.Text(Control::Text1);
  window_.Scroll(Control::HScroll2, ScrollStep::RightArrow);
  ExpectValue(Control::HScroll2, 50);
  ExpectText(Control::Text11, "50");
  ExpectText(Control::Text1, at_end);

  // A box moves its bar to the whole number it reads, and leaves it for a text that reads as none.
  window_.SetText(Control::Text11, "2.5");
  ExpectValue(Control::HScroll2, 2);
  ExpectText(Control::Text11, "2");
  ExpectLength(Control::Text10, 2);
  window_.SetText(Control::Text11, "abc");
  ExpectValue(Control::HScroll2, 2);
  ExpectText(Control::Text11, "abc");
}

void WindowScenarios::TheCalculatorFollowsEveryKey() {
  for (const auto& [box, text, before_tax, after_tax] : kCalculatorKeystrokes) {
    window_.Type(box, text);
    ExpectText(box, text);
    ExpectText(Control::Text6, before_tax);
    ExpectText(Control::Text7, after_tax);
  }
}

void WindowScenarios::TabVisitsEveryControlInTheDesignedOrder() {
  const std::size_t stops = std::size(kTabStops);
  for (std::size_t i = 1; i <= stops; ++i) {
    window_.Press(Key::Tab);
    ExpectFocus(kTabStops[i % stops]);
  }
  for (std::size_t i = stops; i > 0; --i) {
    window_.Press(Key::Tab, true);
    ExpectFocus(kTabStops[i - 1]);
  }
}

void WindowScenarios::TheOptionButtonsAreOneStopOnTheSelectedOne() {
  window_.Press(Key::Tab);
  window_.Press(Key::Tab);
  ExpectFocus(Control::Option2);
  window_.Press(Key::Down);
  ExpectFocus(Control::Option1);
  ExpectChecked(Control::Option1, true);
  window_.Press(Key::Tab);
  ExpectFocus(Control::Text2);
  window_.Press(Key::Tab, true);
  ExpectFocus(Control::Option1);

  // The choice took: the next passwords are hexadecimal.
  window_.Click(Control::Command1);
  ExpectLength(Control::Text1, 30);
  ExpectOnlyFrom(Control::Text1, HexDigits);
}

}  // namespace quillet::testing
