// SPDX-License-Identifier: MIT

#include "ui/win32/program.h"

#include <string_view>

#include "app/control_table.h"
#include "app/form.h"
#include "password/system_random.h"
#include "ui/win32/form_window.h"
#include "ui/win32/process_guard.h"

namespace quillet::win32 {
namespace {

int StartFailed(std::string_view why) {
  ShowMessage(nullptr, why, MB_ICONERROR);
  return 1;
}

}  // namespace

int RunProgram(HINSTANCE instance, int show_command) {
  if (!GuardProcess()) {
    return StartFailed(DllGuardFailedMessage);
  }
  SystemRandom random;
  Form1 form(random);
  FormWindow window(form);
  if (!window.Open(instance, show_command)) {
    return StartFailed(WindowFailedMessage);
  }
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives the window its Tab order and the option buttons their arrow keys.
    if (!IsDialogMessageW(window.Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace quillet::win32
