// SPDX-License-Identifier: MIT
// A DLL an attacker would plant beside quillet.exe, under the name of one the program loads. All
// it does is leave a mark, NAME.dll.loaded beside itself, when a process loads it.

#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    lstrcpyW(path + length, L".loaded");
    CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  return TRUE;
}
