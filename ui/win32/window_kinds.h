// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "app/control_table.h"

namespace quillet::win32 {

// The window class and style of each kind of control, and its role for screen readers. A default
// push button answers Enter while it has the focus.
struct WindowKind {
  ControlKind kind;
  const wchar_t* class_name;
  DWORD style;
  LONG role;
};

inline constexpr WindowKind kWindowKinds[] = {
    {ControlKind::CommandButton, L"BUTTON", BS_DEFPUSHBUTTON, ROLE_SYSTEM_PUSHBUTTON},
    {ControlKind::OptionButton, L"BUTTON", BS_AUTORADIOBUTTON, ROLE_SYSTEM_RADIOBUTTON},
    {ControlKind::TextBox, L"EDIT", WS_BORDER | ES_AUTOHSCROLL, ROLE_SYSTEM_TEXT},
    {ControlKind::ScrollBar, L"SCROLLBAR", SBS_HORZ, ROLE_SYSTEM_SCROLLBAR},
    {ControlKind::Label, L"STATIC", SS_LEFT, ROLE_SYSTEM_STATICTEXT},
};

inline const WindowKind& WindowKindOf(ControlKind kind) {
  const auto* found = std::ranges::find(kWindowKinds, kind, &WindowKind::kind);
  if (found == std::end(kWindowKinds)) {
    std::abort();
  }
  return *found;
}

}  // namespace quillet::win32
