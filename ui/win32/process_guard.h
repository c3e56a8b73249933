// SPDX-License-Identifier: MIT

#pragma once

namespace quillet::win32 {

// The program's first act, as in the Qt edition's process_guard.h: from then on, every DLL loaded
// and every DLL those bring in comes from the system folder only, never from the program's own
// folder or the current one, where a copy planted beside quillet.exe (in a Downloads folder, say)
// would be loaded in its place. False when Windows refuses: the program must not go on then.
bool GuardProcess();

}  // namespace quillet::win32
