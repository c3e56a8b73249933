// SPDX-License-Identifier: MIT
// The one-label window with Quillet's controls in its place: each of the control table's controls
// made as the standard control of its kind, with Quillet's class and style, at its place, in the
// message font, with its caption, and nothing else. What the controls themselves cost, which any
// program with them pays.

#include <string>

#include "app/control_table.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_kinds.h"
#include "win32_bench_window.h"

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
    const quillet::win32::WindowKind& kind = quillet::win32::WindowKindOf(layout.kind);
    const std::wstring caption = quillet::win32::Widen(layout.caption);
    HWND control = CreateWindowExW(0, kind.class_name, caption.c_str(),
                                   WS_CHILD | WS_VISIBLE | kind.style, pixels(layout.place.left),
                                   pixels(layout.place.top), pixels(layout.place.width),
                                   pixels(layout.place.height), window, nullptr, instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  ShowWindow(window, show_command);
  const int exit_code = bench::RunMessageLoop();
  DeleteObject(font);
  return exit_code;
}
