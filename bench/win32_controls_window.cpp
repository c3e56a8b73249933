// SPDX-License-Identifier: MIT
// The one-label window with Quillet's controls in its place: each of the control table's controls
// made as a plain standard control of its kind, at its place, in the message font, with its
// caption, and nothing else. What the controls themselves cost, which any program with them pays.

#include <string>

#include "app/control_table.h"
#include "win32_bench_window.h"

namespace {

const wchar_t* ClassOf(quillet::ControlKind kind) {
  switch (kind) {
    case quillet::ControlKind::CommandButton:
      return L"BUTTON";
    case quillet::ControlKind::OptionButton:
      return L"BUTTON";
    case quillet::ControlKind::TextBox:
      return L"EDIT";
    case quillet::ControlKind::ScrollBar:
      return L"SCROLLBAR";
    case quillet::ControlKind::Label:
      return L"STATIC";
  }
  return L"STATIC";
}

DWORD StyleOf(quillet::ControlKind kind) {
  switch (kind) {
    case quillet::ControlKind::CommandButton:
      return BS_DEFPUSHBUTTON;
    case quillet::ControlKind::OptionButton:
      return BS_AUTORADIOBUTTON;
    case quillet::ControlKind::TextBox:
      return WS_BORDER | ES_AUTOHSCROLL;
    case quillet::ControlKind::ScrollBar:
      return SBS_HORZ;
    case quillet::ControlKind::Label:
      return SS_LEFT;
  }
  return 0;
}

std::wstring Wide(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  HWND window = bench::CreateBenchWindow(instance, CW_USEDEFAULT, CW_USEDEFAULT);
  const UINT dpi = GetDpiForWindow(window);
  const auto pixels = [dpi](int twips) {
    return quillet::TwipsToPixels(twips, 1.0, static_cast<int>(dpi));
  };
  // Quillet's start-up size, which shows the same controls.
  SetWindowPos(window, nullptr, 0, 0, pixels(quillet::Form1Layout.start_outer_width),
               pixels(quillet::Form1Layout.start_outer_height), SWP_NOMOVE | SWP_NOZORDER);
  HFONT font = bench::CreateMessageFont(dpi);
  for (const quillet::ControlLayout& layout : quillet::ControlTable()) {
    const std::wstring caption = Wide(layout.caption);
    HWND control = CreateWindowExW(
        0, ClassOf(layout.kind), caption.c_str(), WS_CHILD | WS_VISIBLE | StyleOf(layout.kind),
        pixels(layout.place.left), pixels(layout.place.top), pixels(layout.place.width),
        pixels(layout.place.height), window, nullptr, instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  ShowWindow(window, show_command);
  const int exit_code = bench::RunMessageLoop();
  DeleteObject(font);
  return exit_code;
}
