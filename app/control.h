// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace quillet {

// Every control of the window, by the name the program knows it by, in one list for each kind.
// The controls that hold a value give it as it stands when the window has been created; the
// window's state, the form's fields and the controls' names and kinds are all made from these
// lists, so that a new control is named here once.
// clang-format off
#define ENUMERATE_COMMAND_BUTTONS(X) X(Command1)
#define ENUMERATE_OPTION_BUTTONS(X)                                                    \
  X(Option1, false) /* "16進数": the 16 hexadecimal digits */                           \
  X(Option2, true)  /* "全英数字･大文字･小文字": A-Z, a-z, 0-9 */
#define ENUMERATE_TEXT_BOXES(X)                                                        \
  X(Text1, "")    /* the 30-character password */                                      \
  X(Text2, "")    /* deposit amount, in 10,000 yen */                                  \
  X(Text3, "")    /* deposit period, whole years */                                    \
  X(Text4, "0")   /* deposit period, further months */                                 \
  X(Text5, "")    /* annual interest rate, in percent */                               \
  X(Text6, "0")   /* interest at maturity before tax, in yen */                        \
  X(Text7, "0")   /* interest at maturity after tax, in yen */                         \
  X(Text8, "10")  /* the first row's length */                                         \
  X(Text9, "")    /* the password as long as Text8 says */                             \
  X(Text10, "")   /* the password as long as Text11 says */                            \
  X(Text11, "20") /* the second row's length */
#define ENUMERATE_SCROLL_BARS(X)                                                       \
  X(HScroll1, kScrollMinimum) /* Text8's twin; start-up moves it to 10 */              \
  X(HScroll2, kScrollMinimum) /* Text11's twin; start-up moves it to 20 */
#define ENUMERATE_LABELS(X)                                                            \
  X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label7) X(Label8)      \
  X(Label9) X(Label10) X(Label11) X(Label12) X(Label13) X(Label14)
#define ENUMERATE_CONTROLS(X)                                                          \
  ENUMERATE_COMMAND_BUTTONS(X) ENUMERATE_OPTION_BUTTONS(X) ENUMERATE_TEXT_BOXES(X)     \
  ENUMERATE_SCROLL_BARS(X) ENUMERATE_LABELS(X)
// clang-format on

#define QUILLET_CONTROL_ENUMERATOR(name, ...) name,
enum class Control { ENUMERATE_CONTROLS(QUILLET_CONTROL_ENUMERATOR) };
#undef QUILLET_CONTROL_ENUMERATOR

enum class ControlKind { CommandButton, OptionButton, TextBox, ScrollBar, Label };

#define QUILLET_CONTROL_CASE(name, ...) case Control::name:
constexpr ControlKind KindOf(Control control) {
  switch (control) {
    ENUMERATE_COMMAND_BUTTONS(QUILLET_CONTROL_CASE) return ControlKind::CommandButton;
    ENUMERATE_OPTION_BUTTONS(QUILLET_CONTROL_CASE) return ControlKind::OptionButton;
    ENUMERATE_TEXT_BOXES(QUILLET_CONTROL_CASE) return ControlKind::TextBox;
    ENUMERATE_SCROLL_BARS(QUILLET_CONTROL_CASE) return ControlKind::ScrollBar;
    ENUMERATE_LABELS(QUILLET_CONTROL_CASE) return ControlKind::Label;
  }
  return ControlKind::Label;
}
#undef QUILLET_CONTROL_CASE

#define QUILLET_CONTROL_NAME(name, ...) #name,
inline constexpr std::string_view kControlNames[] = {ENUMERATE_CONTROLS(QUILLET_CONTROL_NAME)};
constexpr std::string_view NameOf(Control control) {
  return kControlNames[static_cast<int>(control)];
}
#undef QUILLET_CONTROL_NAME

}  // namespace quillet
