// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>
#include <type_traits>

#include "app/control_table.h"

namespace quillet::win32 {

// Makes and places the window's controls for the window's DPI and the desktop's message font, as
// they stand when the factory is made: the table's places at the layout scale, in the message
// font or the password boxes' own. The factory owns those fonts, and frees them with itself.
class ControlFactory {
 public:
  explicit ControlFactory(HWND parent);

  double LayoutScale() const { return layout_scale_; }
  PixelSize StartUpSize() const { return StartUpOuterSize(layout_scale_, static_cast<int>(dpi_)); }

  // A child window of the control's kind, identified, described and limited as the control table
  // says, made at its place with its font; ControlBrush gives its colours. Values and focus order
  // are the window's business: it gives the text, a button's caption or a box's value, and says
  // whether the control is a Tab stop and whether it starts a group the arrow keys move within.
  HWND Create(const ControlLayout& layout, std::string_view text, bool tab_stop,
              bool starts_group) const;

  // Moves a control to its place and gives it its font.
  void Place(HWND control, const ControlLayout& layout) const;

 private:
  struct DeleteFont {
    void operator()(HFONT font) const { DeleteObject(font); }
  };
  using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFont>;

  WPARAM FontOf(const ControlLayout& layout) const;
  // The control's place in pixels: left, top, width and height.
  std::array<int, 4> PixelPlace(const ControlLayout& layout) const;

  HWND parent_;
  UINT dpi_;
  double layout_scale_ = 1.0;
  Font message_font_;
  Font password_font_;  // null where Windows cannot make it: the message font stands in
};

// The colours the control table gives a control, for the window to answer Windows with as it
// paints the control (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC): sets them in the context and gives the
// brush for the background; null where the table gives none, and in high-contrast themes, where
// the system's colours win.
HBRUSH ControlBrush(const ControlLayout& layout, HDC context);

}  // namespace quillet::win32
