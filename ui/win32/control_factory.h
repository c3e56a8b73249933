// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include "app/control_table.h"

namespace quillet::win32 {

// A child window of the control's kind, captioned, identified, described and limited as the
// control table says, still without a place or a font. Values and focus order are the window's
// business; it says whether the control is a Tab stop and whether it starts a group of controls
// the arrow keys move within.
HWND CreateControl(const ControlLayout& layout, bool tab_stop, bool starts_group, HWND parent,
                   HINSTANCE instance);

}  // namespace quillet::win32
