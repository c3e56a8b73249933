// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>

namespace quillet::win32 {

// Makes an edit control's copies stay out of clipboard histories: whatever the user copies or
// cuts from it, by keys or the context menu, goes to the clipboard with the formats that keep
// Windows' clipboard history, its cloud sync and clipboard monitors from taking it; a cut leaves
// no copy of what it removes in the control. False where the control cannot be subclassed.
bool KeepCopiesOutOfClipboardHistory(HWND edit);

// Replaces a box's text, its caret and selection where the form's rule after a rewrite puts them,
// without leaving the text it replaces in the control's memory.
void ReplaceText(HWND box, const std::wstring& text);

}  // namespace quillet::win32
