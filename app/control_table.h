// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/control.h"

namespace quillet {

// How the window looks, as data, so that every window binding lays it out from one source.
// Places and sizes are in twips: 1/1440 inch, so 15 twips make one pixel at 96 dots per inch.

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// A control that paints a background of its own paints its text in a colour of its own too, so
// that the text stays readable whatever the desktop's palette.
struct Colours {
  Rgb background;
  Rgb text;
};

struct ControlLayout {
  Control control;
  TwipsRect place;
  std::string_view caption;  // of buttons and labels; text boxes start with their FormState text
  int tab_index;             // focus goes in increasing order; labels never take it
  bool password_font;        // PasswordFont instead of the window's default font
  bool secret;               // its copies carry the marks that keep them out of clipboard histories
  std::optional<Colours> colours;    // the platform's where not given
  std::string_view accessible_name;  // what a screen reader says for the control
  // From the control's list, so that the table's rows need not repeat them.
  std::string_view name = NameOf(control);  // as the program knows it ("Text8")
  ControlKind kind = KindOf(control);
};

struct FontLayout {
  std::string_view face;
  int points;
  int weight;  // 400 is normal
};

struct WindowLayout {
  std::string_view caption;
  int design_client_width;
  int design_client_height;
  // The start-up size shows only the button, the option buttons and the two adjustable rows.
  int start_outer_width;
  int start_outer_height;
  // The frame of the usual caption bar and borders. Where the window manager decides the frame,
  // the client area is sized to the start-up size less this frame.
  int frame_width;
  int frame_height;
  // The places above are drawn for captions in a font of this size.
  int design_font_points;
};

// What the window tells the user when the system's random source fails.
inline constexpr std::string_view RandomSourceFailedMessage =
    "乱数を取得できなかったため、パスワードを作れませんでした。";
// What the Windows edition tells the user before it ends, when it cannot keep DLLs planted beside
// it from being loaded, and when Windows cannot make its window.
inline constexpr std::string_view DllGuardFailedMessage =
    "DLL の読み込み先をシステム フォルダーに限定できないため、Quillet を起動できません。";
inline constexpr std::string_view WindowFailedMessage = "Quillet のウィンドウを開けませんでした。";

// The font of the three password boxes, in Japanese (Shift-JIS) writing.
extern const FontLayout PasswordFont;
extern const WindowLayout Form1Layout;

// Every control, ordered from the top of the window to the bottom.
std::span<const ControlLayout> ControlTable();

const ControlLayout& LayoutOf(Control control);

// How much larger than the table says the window lays out its controls for captions in a font of
// this size: in proportion to the design font, and never smaller than the table.
double LayoutScale(double font_points);

// A length of the table in pixels: 1,440 twips make an inch, at the screen's dots per inch (96,
// Qt's device-independent pixels), enlarged by the layout scale.
int TwipsToPixels(int twips, double layout_scale, int dots_per_inch = 96);

// A window's size in pixels.
struct PixelSize {
  int width = 0;
  int height = 0;

  bool operator==(const PixelSize&) const = default;
};

// The window's start-up size: its outer size, frame included, where the program sizes the frame
// too; where the window manager decides the frame, and a bare X server draws none, the client area
// inside the usual frame, so that the same controls show everywhere.
PixelSize StartUpOuterSize(double layout_scale, int dots_per_inch);
PixelSize StartUpClientSize(double layout_scale);

// The window's size once its layout scale changes, as when the desktop font changes while it is
// open: a window still at its start-up size takes the new start-up size, one the user has resized
// keeps its size in proportion to the layout.
PixelSize SizeForNewLayoutScale(PixelSize now, PixelSize old_start_up, PixelSize new_start_up,
                                double old_scale, double new_scale);

// Every control, ordered by tab index: the order in which the Tab key visits those that take focus.
std::vector<const ControlLayout*> ControlsInTabOrder();

}  // namespace quillet
