// SPDX-License-Identifier: MIT

#include "ui/win32/control_factory.h"

#include <array>
#include <cmath>
#include <map>
#include <string>

#include "app/form_state.h"
#include "ui/win32/accessible_description.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/secret_edit.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_kinds.h"

namespace quillet::win32 {
namespace {

COLORREF ColourRef(Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

// Windows' high-contrast themes choose every colour themselves.
bool HighContrast() {
  HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A box keeps the horizontal scroll its caret needed when it last moved, even once the box is
// wider or its font narrower. Taking the caret to the start and back scrolls the box again for
// its present size and font, so that a text that fits shows from its first character.
void ScrollForPresentSize(HWND box) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageW(box, EM_SETSEL, 0, 0);
  SendMessageW(box, EM_SETSEL, start, static_cast<LPARAM>(end));
}

constexpr int kPointsPerInch = 72;

}  // namespace

// A font Windows cannot make falls back to the message font, and that to the stock GUI font,
// which deleting does no harm.
ControlFactory::ControlFactory(HWND parent) : parent_(parent), dpi_(GetDpiForWindow(parent)) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi_);
  message_font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
  if (!message_font_) {
    message_font_.reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  }
  const std::wstring face = Widen(PasswordFont.face);
  password_font_.reset(
      CreateFontW(-MulDiv(PasswordFont.points, static_cast<int>(dpi_), kPointsPerInch), 0, 0, 0,
                  PasswordFont.weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  // A larger message font than the design's makes the whole layout larger, as dialog units do.
  layout_scale_ = quillet::LayoutScale(std::abs(metrics.lfMessageFont.lfHeight) *
                                       static_cast<double>(kPointsPerInch) / dpi_);
}

WPARAM ControlFactory::FontOf(const ControlLayout& layout) const {
  const Font& font = layout.password_font && password_font_ ? password_font_ : message_font_;
  return reinterpret_cast<WPARAM>(font.get());
}

HWND ControlFactory::Create(const ControlLayout& layout, std::string_view text, bool tab_stop,
                            bool starts_group) const {
  const WindowKind& window = WindowKindOf(layout.kind);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | window.style;
  if (starts_group) {
    style |= WS_GROUP;
  }
  if (tab_stop) {
    style |= WS_TABSTOP;
  }
  const std::wstring caption = Widen(text);
  // Made where it belongs: moving a control costs as much as making it.
  const auto [left, top, width, height] = PixelPlace(layout);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE));
  HWND child = CreateWindowExW(
      0, window.class_name, caption.c_str(), style, left, top, width, height, parent_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(layout.control))), instance, nullptr);
  if (child == nullptr) {
    return nullptr;
  }
  SendMessageW(child, WM_SETFONT, FontOf(layout), FALSE);
  if (layout.secret && !KeepCopiesOutOfClipboardHistory(child)) {
    return nullptr;
  }
  if (!layout.accessible_name.empty()) {
    Describe(child, {Widen(layout.accessible_name), window.role});
  }
  if (layout.kind == ControlKind::TextBox) {
    // The edit control's own cap of 32,767 characters would cut a longer paste silently.
    SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
  }
  if (layout.kind == ControlKind::ScrollBar) {
    SCROLLINFO range{
        sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, kScrollMinimum, kScrollMaximum, 0, 0, 0};
    SetScrollInfo(child, SB_CTL, &range, FALSE);
  }
  return child;
}

void ControlFactory::Place(HWND control, const ControlLayout& layout) const {
  const auto [left, top, width, height] = PixelPlace(layout);
  MoveWindow(control, left, top, width, height, TRUE);
  SendMessageW(control, WM_SETFONT, FontOf(layout), TRUE);
  if (layout.kind == ControlKind::TextBox) {
    ScrollForPresentSize(control);
  }
}

std::array<int, 4> ControlFactory::PixelPlace(const ControlLayout& layout) const {
  const auto pixels = [this](int twips) {
    return TwipsToPixels(twips, layout_scale_, static_cast<int>(dpi_));
  };
  const TwipsRect& place = layout.place;
  return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

HBRUSH ControlBrush(const ControlLayout& layout, HDC context) {
  if (!layout.colours || HighContrast()) {
    return nullptr;
  }
  const COLORREF background = ColourRef(layout.colours->background);
  SetBkColor(context, background);
  SetTextColor(context, ColourRef(layout.colours->text));
  // One brush a colour, made when first painted and kept while the program runs.
  static std::map<COLORREF, HBRUSH> brushes;
  const auto [entry, first] = brushes.try_emplace(background);
  if (first) {
    entry->second = CreateSolidBrush(background);
  }
  return entry->second;
}

}  // namespace quillet::win32
