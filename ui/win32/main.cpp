// SPDX-License-Identifier: MIT

#include <windows.h>

#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  return quillet::win32::RunProgram(instance, show_command);
}
