// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string_view>

#include "app/control_table.h"

namespace quillet::win32 {

// Where the window's controls go and what they are written in, for the window's DPI: the layout
// scale of the table's places, the message font, and the password boxes' own.
struct ControlPlacement {
  double layout_scale = 1.0;
  UINT dpi = USER_DEFAULT_SCREEN_DPI;
  HFONT message_font = nullptr;
  HFONT password_font = nullptr;
};

// A child window of the control's kind, identified, described and limited as the control table
// says, made at its place with its font; PaintControl gives its colours. Values and focus order
// are the window's business: it gives the text, a button's caption or a box's value, and says
// whether the control is a Tab stop and whether it starts a group the arrow keys move within.
HWND CreateControl(const ControlLayout& layout, std::string_view text,
                   const ControlPlacement& placement, bool tab_stop, bool starts_group, HWND parent,
                   HINSTANCE instance);

// Moves a control to its place for a new placement, and gives it the new font.
void PlaceControl(HWND control, const ControlLayout& layout, const ControlPlacement& placement);

// The colours the control table gives a control, for the window to answer Windows with as it
// paints the control (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC): sets them in the context and gives the
// brush for the background; null where the table gives none, and in high-contrast themes, where
// the system's colours win.
HBRUSH PaintControl(const ControlLayout& layout, HDC context);

}  // namespace quillet::win32
