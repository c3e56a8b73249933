// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

namespace quillet::win32 {

// Makes an edit control's copies stay out of clipboard histories: whatever the user copies or
// cuts from it, by keys or the context menu, goes to the clipboard with the formats that keep
// Windows' clipboard history, its cloud sync and clipboard monitors from taking it.
void KeepCopiesOutOfClipboardHistory(HWND edit);

}  // namespace quillet::win32
