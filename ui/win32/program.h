// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

namespace quillet::win32 {

// The program, as wWinMain runs it: guards the process, opens the window and hands it the
// messages until it closes. When it cannot start, it says why in a message box and returns 1.
int RunProgram(HINSTANCE instance, int show_command);

}  // namespace quillet::win32
