// SPDX-License-Identifier: MIT
// The floor of a Windows program that draws text: a window with one Japanese label in the
// message font, carrying Quillet's manifest, so that what the manifest costs is paid by both.

#include "win32_bench_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  HWND window = bench::CreateBenchWindow(instance, 240, 120);
  HWND label = CreateWindowExW(0, L"STATIC", L"実行", WS_CHILD | WS_VISIBLE | SS_LEFT, 16, 16, 120,
                               24, window, nullptr, instance, nullptr);
  HFONT font = bench::CreateMessageFont(GetDpiForWindow(window));
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ShowWindow(window, show_command);
  const int exit_code = bench::RunMessageLoop();
  DeleteObject(font);
  return exit_code;
}
