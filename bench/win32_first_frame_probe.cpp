// SPDX-License-Identifier: MIT
// Linked into a Windows program beside its own wWinMain: as soon as the program's windows have
// painted their first frame, writes a line to standard output and ends the process, so that a
// runner can time the start-up from outside, from the moment the line arrives.

#include <windows.h>

namespace {

// Posted to the thread after each WM_PAINT, so that it arrives once that paint is done: paint
// messages come only when nothing is posted.
constexpr UINT kPaintDone = WM_APP + 0x3F;

LRESULT CALLBACK WatchMessages(int code, WPARAM removal, LPARAM message_address) {
  const MSG& message = *reinterpret_cast<const MSG*>(message_address);
  if (code == HC_ACTION && removal == PM_REMOVE) {
    if (message.message == WM_PAINT) {
      PostThreadMessageW(GetCurrentThreadId(), kPaintDone, 0, 0);
    } else if (message.message == kPaintDone && message.hwnd == nullptr &&
               (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) == 0) {
      // No window of the thread is left to paint: the first frame is whole.
      DWORD written = 0;
      WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "painted\n", 8, &written, nullptr);
      TerminateProcess(GetCurrentProcess(), 0);
    }
  }
  return CallNextHookEx(nullptr, code, removal, message_address);
}

// Installed on the main thread before wWinMain runs.
const HHOOK probe = SetWindowsHookExW(WH_GETMESSAGE, WatchMessages, nullptr, GetCurrentThreadId());

}  // namespace
