// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include "app/control_table.h"

namespace quillet::win32 {

// A child window of the control's kind, captioned, identified, described and limited as the
// control table says; PlaceControl gives it its place and font, and ControlColours its colours.
// Values and focus order are the window's business; it says whether the control is a Tab stop and
// whether it starts a group of controls the arrow keys move within.
HWND CreateControl(const ControlLayout& layout, bool tab_stop, bool starts_group, HWND parent,
                   HINSTANCE instance);

// The fonts of the window's controls, for its DPI: the message font, and the password boxes' own.
struct ControlFonts {
  HFONT message;
  HFONT password;
};

// Gives a control its place at the layout scale and the window's DPI, and its font.
void PlaceControl(HWND control, const ControlLayout& layout, double layout_scale, UINT dpi,
                  const ControlFonts& fonts);

// The colours the control table gives a control, for the window to answer Windows with as it
// paints the control (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC): sets them in the context and gives the
// brush for the background; null where the table gives none, and in high-contrast themes, where
// the system's colours win.
HBRUSH PaintControl(const ControlLayout& layout, HDC context);

}  // namespace quillet::win32
