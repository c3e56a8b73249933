// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quillet::win32 {

// The core's texts are UTF-8; Windows speaks UTF-16. A text may be a password: whoever takes one
// wipes it once done (password/wipe.h).
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// The whole text of a window of this process.
std::wstring WindowText(HWND window);

}  // namespace quillet::win32
