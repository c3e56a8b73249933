// SPDX-License-Identifier: MIT

#include "ui/win32/process_guard.h"

#include <windows.h>

#include <initializer_list>

namespace quillet::win32 {

bool GuardProcess() {
  if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return false;
  }
  // Windows' own DLLs load others on first use, through their delay-load tables; under Wine
  // those loads still look in the program's folder first. Loaded here from the system folder,
  // with what they import, they are already there by name when that first use comes.
  for (const wchar_t* dll : {L"comctl32.dll", L"uxtheme.dll", L"msimg32.dll", L"ole32.dll",
                             L"oleaut32.dll", L"oleacc.dll", L"bcrypt.dll"}) {
    LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  return true;
}

}  // namespace quillet::win32
