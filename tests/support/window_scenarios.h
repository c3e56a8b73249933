// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/control.h"

namespace quillet::testing {

enum class Key { Tab, Left, Right, Down };

// The mouse on a scroll bar: a click on its right arrow, its menu's move to the right end, and
// its thumb held at a position and let go there.
enum class ScrollStep { RightArrow, RightEnd, DragThumb, DropThumb };

// A place in the window's client area, in pixels.
struct PixelRect {
  int left, top, right, bottom;
};

// The control that matches, for a driver that finds a control by its widget.
std::optional<Control> FindControl(const std::function<bool(Control)>& matches);

// What the window scenarios need of a window: each edition's test drives its own window through
// it, as a user or a testing tool would. Texts are UTF-8.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  virtual std::string Caption() const = 0;
  virtual std::string Text(Control box) const = 0;
  virtual int Value(Control scroll_bar) const = 0;
  virtual bool Checked(Control option_button) const = 0;
  virtual std::optional<Control> Focused() const = 0;
  virtual PixelRect ClientArea() const = 0;
  virtual PixelRect Place(Control control) const = 0;

  // A program's write of the whole text, as a screen reader or a length chosen elsewhere makes.
  virtual void SetText(Control box, std::string_view text) = 0;
  // The box brought to the text by one keystroke: a character more or less at its end, or a
  // text typed over the whole text selected.
  virtual void Type(Control box, std::string_view text) = 0;
  virtual void Paste(Control box, std::string_view text) = 0;
  virtual void Click(Control button) = 0;
  virtual void Scroll(Control scroll_bar, ScrollStep step, int position = 0) = 0;
  // Keys reach the control that has the focus.
  virtual void Press(Key key, bool shift = false) = 0;
  virtual void TypeText(std::string_view text) = 0;
  // Moves the focus there as the Tab key does, selecting a box's whole text.
  virtual void Focus(Control control) = 0;

  // Whether done() comes true within a bounded time: a window in another process acts on its
  // input after the call that sent it has returned.
  virtual bool Settles(const std::function<bool()>& done) const = 0;
};

// What a user does and sees in either window, written once for both. Each scenario starts on a
// freshly opened window; Failures() says what it found amiss, a line each.
class WindowScenarios {
 public:
  explicit WindowScenarios(WindowDriver& window) : window_(window) {}

  void StartsWithTheDesignValues();
  void StartUpSizeShowsOnlyTheGeneratorsTopRows();
  void APasteOfAnyLengthIsKeptWhole();
  void TheButtonDrawsThreePasswordsFromTheChosenSet();
  void ALengthIsTypedKeyByKey();
  void ScrollBarsAndLengthBoxesStayInStep();
  void TheCalculatorFollowsEveryKey();
  void TabVisitsEveryControlInTheDesignedOrder();
  void TheOptionButtonsAreOneStopOnTheSelectedOne();

  const std::string& Failures() const { return failures_; }

 private:
  void Expect(bool passed, std::string_view what);
  // Expects read() to come to the value within the time the window has.
  template <typename Read, typename Value>
  void ExpectSoon(const Read& read, const Value& expected, std::string_view what);
  void ExpectText(Control box, std::string_view text);
  void ExpectLength(Control box, std::size_t length);
  void ExpectOnlyFrom(Control box, std::string_view characters);
  void ExpectValue(Control scroll_bar, int value);
  void ExpectChecked(Control option_button, bool checked);
  void ExpectFocus(Control control);

  WindowDriver& window_;
  std::string failures_;
};

}  // namespace quillet::testing
