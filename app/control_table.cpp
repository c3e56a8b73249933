// SPDX-License-Identifier: MIT

#include "app/control_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace quillet {

const FontLayout PasswordFont{"ＭＳ Ｐゴシック", 12, 400};

const WindowLayout Form1Layout{
    .caption = "Quillet",
    .design_client_width = 10965,
    .design_client_height = 2895,
    .start_outer_width = 4695,
    .start_outer_height = 3405,
    .frame_width = 120,
    .frame_height = 510,
    .design_font_points = 9,
};

namespace {

using enum Control;

constexpr Colours kOutputColours{.background = {255, 192, 255}, .text = {0, 0, 0}};

constexpr std::array kControls = {
    // clang-format off
    //            control   left top width height    caption                   tab password font, secret colours         accessible name
    ControlLayout{Command1, {120, 240, 1095, 615},   "実行",                   0,  false, false, std::nullopt,   "実行"},
    ControlLayout{Option2,  {1920, 240, 2415, 255},  "全英数字･大文字･小文字", 3,  false, false, std::nullopt,   "全英数字･大文字･小文字"},
    ControlLayout{Option1,  {1920, 600, 975, 255},   "16進数",                 2,  false, false, std::nullopt,   "16進数"},
    ControlLayout{Text8,    {120, 1080, 495, 270},   "",                       23, false, false, std::nullopt,   "パスワード1の桁数"},
    ControlLayout{HScroll1, {960, 1080, 495, 255},   "",                       22, false, false, std::nullopt,   "パスワード1の桁数の調節"},
    ControlLayout{Label13,  {645, 1140, 495, 255},   "桁",                     25, false, false, std::nullopt,   ""},
    ControlLayout{Text9,    {120, 1440, 4335, 375},  "",                       24, true,  true,  std::nullopt,   "パスワード1"},
    ControlLayout{Text11,   {120, 2040, 495, 270},   "",                       27, false, false, std::nullopt,   "パスワード2の桁数"},
    ControlLayout{HScroll2, {960, 2040, 495, 255},   "",                       28, false, false, std::nullopt,   "パスワード2の桁数の調節"},
    ControlLayout{Label14,  {645, 2100, 495, 255},   "桁",                     29, false, false, std::nullopt,   ""},
    ControlLayout{Text10,   {120, 2400, 4335, 375},  "",                       26, true,  true,  std::nullopt,   "パスワード2"},
    ControlLayout{Label1,   {120, 3000, 495, 255},   "30桁",                   4,  false, false, std::nullopt,   ""},
    ControlLayout{Text1,    {120, 3240, 4335, 375},  "",                       1,  true,  true,  std::nullopt,   "30桁のパスワード"},
    ControlLayout{Text2,    {2760, 5235, 615, 270},  "",                       5,  false, false, std::nullopt,   "預け入れ金額(万円)"},
    ControlLayout{Label2,   {1560, 5280, 1095, 225}, "預け入れ金額",           6,  false, false, std::nullopt,   ""},
    ControlLayout{Label3,   {3480, 5280, 375, 240},  "万円",                   7,  false, false, std::nullopt,   ""},
    ControlLayout{Text3,    {2760, 5595, 375, 270},  "",                       8,  false, false, std::nullopt,   "預け入れ期間(年)"},
    ControlLayout{Text4,    {3600, 5595, 375, 270},  "",                       11, false, false, std::nullopt,   "預け入れ期間(ヶ月)"},
    ControlLayout{Label5,   {1560, 5640, 1095, 225}, "預け入れ期間",           10, false, false, std::nullopt,   ""},
    ControlLayout{Label4,   {3240, 5640, 375, 240},  "年",                     9,  false, false, std::nullopt,   ""},
    ControlLayout{Label6,   {4080, 5640, 375, 240},  "ヶ月",                   12, false, false, std::nullopt,   ""},
    ControlLayout{Text5,    {2760, 5955, 615, 270},  "",                       13, false, false, std::nullopt,   "利率(％)"},
    ControlLayout{Label8,   {2280, 6000, 375, 225},  "利率",                   15, false, false, std::nullopt,   ""},
    ControlLayout{Label7,   {3480, 6000, 255, 240},  "％",                     14, false, false, std::nullopt,   ""},
    ControlLayout{Text6,    {2760, 6315, 975, 270},  "",                       16, false, false, kOutputColours, "満期時の利息額(税引前)(円)"},
    ControlLayout{Label10,  {720, 6360, 1935, 225},  "満期時の利息額(税引前)", 18, false, false, std::nullopt,   ""},
    ControlLayout{Label9,   {3840, 6360, 255, 240},  "円",                     17, false, false, std::nullopt,   ""},
    ControlLayout{Text7,    {2760, 6675, 975, 270},  "",                       19, false, false, kOutputColours, "満期時の利息額(税引後)(円)"},
    ControlLayout{Label12,  {720, 6720, 1935, 225},  "満期時の利息額(税引後)", 21, false, false, std::nullopt,   ""},
    ControlLayout{Label11,  {3840, 6720, 255, 240},  "円",                     20, false, false, std::nullopt,   ""},
    // clang-format on
};

}  // namespace

std::span<const ControlLayout> ControlTable() {
  return kControls;
}

const ControlLayout& LayoutOf(Control control) {
  const auto* found = std::ranges::find(kControls, control, &ControlLayout::control);
  if (found == kControls.end()) {
    std::abort();
  }
  return *found;
}

int TwipsToPixels(int twips, double layout_scale, int dots_per_inch) {
  constexpr double kTwipsPerInch = 1440.0;
  return static_cast<int>(std::lround(twips * layout_scale * dots_per_inch / kTwipsPerInch));
}

PixelSize StartUpOuterSize(double layout_scale, int dots_per_inch) {
  return {TwipsToPixels(Form1Layout.start_outer_width, layout_scale, dots_per_inch),
          TwipsToPixels(Form1Layout.start_outer_height, layout_scale, dots_per_inch)};
}

PixelSize StartUpClientSize(double layout_scale) {
  return {TwipsToPixels(Form1Layout.start_outer_width - Form1Layout.frame_width, layout_scale),
          TwipsToPixels(Form1Layout.start_outer_height - Form1Layout.frame_height, layout_scale)};
}

PixelSize SizeForNewLayoutScale(PixelSize now, PixelSize old_start_up, PixelSize new_start_up,
                                double old_scale, double new_scale) {
  if (now == old_start_up) {
    return new_start_up;
  }
  const auto grown = [growth = new_scale / old_scale](int pixels) {
    return static_cast<int>(std::lround(pixels * growth));
  };
  return {grown(now.width), grown(now.height)};
}

double LayoutScale(double font_points) {
  return std::max(1.0, font_points / Form1Layout.design_font_points);
}

std::vector<const ControlLayout*> ControlsInTabOrder() {
  std::vector<const ControlLayout*> layouts(kControls.size());
  std::ranges::transform(kControls, layouts.begin(),
                         [](const ControlLayout& layout) { return &layout; });
  std::ranges::sort(layouts, {}, &ControlLayout::tab_index);
  return layouts;
}

}  // namespace quillet
