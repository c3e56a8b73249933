// SPDX-License-Identifier: MIT

#include <windows.h>

#include <string>

#include "app/control_table.h"
#include "app/form.h"
#include "password/system_random.h"
#include "ui/win32/form_window.h"
#include "ui/win32/process_guard.h"
#include "ui/win32/wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  if (!quillet::win32::GuardProcess()) {
    const std::wstring caption = quillet::win32::Widen(quillet::Form1Layout.caption);
    const std::wstring message = quillet::win32::Widen(quillet::DllGuardFailedMessage);
    MessageBoxW(nullptr, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
  quillet::SystemRandom random;
  quillet::Form1 form(random);
  quillet::win32::FormWindow window(form);
  if (!window.Open(instance, show_command)) {
    return 1;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives the window its Tab order and the option buttons their arrow keys.
    if (!IsDialogMessageW(window.Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
