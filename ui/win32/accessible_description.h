// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>

namespace quillet::win32 {

// What a screen reader says for a control: its name and its role (ROLE_SYSTEM_...).
struct AccessibleDescription {
  std::wstring name;
  LONG role;
};

// Describes a control to screen readers through Microsoft Active Accessibility, and so through
// UI Automation's bridge to it; everything else about it stays as Windows gives it. Windows
// would name a box or a scroll bar after whatever static text was created before it, here
// another control's label, and Wine gives buttons and scroll bars no role of their own.
void Describe(HWND control, AccessibleDescription description);

}  // namespace quillet::win32
