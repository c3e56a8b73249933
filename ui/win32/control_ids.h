// SPDX-License-Identifier: MIT

#pragma once

#include "app/control.h"

namespace quillet::win32 {

// Each control's window identifier. They start above IDOK and IDCANCEL, which the dialog
// manager sends for Enter and Escape.
constexpr int ControlId(Control control) {
  return 100 + static_cast<int>(control);
}

// The window class of Form1, by which testing tools find it.
inline constexpr wchar_t kFormClassName[] = L"QuilletForm1";

}  // namespace quillet::win32
