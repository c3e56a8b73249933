// SPDX-License-Identifier: MIT

#include "ui/win32/secret_edit.h"

#include <cstring>
#include <string>

#include "password/wipe.h"
#include "ui/win32/system_library.h"
#include "ui/win32/wide_text.h"

namespace quillet::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

HGLOBAL GlobalCopy(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory != nullptr) {
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
  }
  return memory;
}

// The clipboard takes the memory it is given; what it refuses is freed here.
void Offer(UINT format, HGLOBAL memory) {
  if (memory != nullptr && SetClipboardData(format, memory) == nullptr) {
    GlobalFree(memory);
  }
}

void CopySelection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start == end || !OpenClipboard(edit)) {
    return;
  }
  EmptyClipboard();
  // The selection is copied straight from the text, cut off after it: no second copy to wipe.
  std::wstring shown = WindowText(edit);
  shown.resize(end);
  Offer(CF_UNICODETEXT, GlobalCopy(shown.c_str() + start, (end - start + 1) * sizeof(wchar_t)));
  Wipe(shown);
  // Monitors skip the content while the first is there at all; the others say no with a zero.
  constexpr DWORD kNo = 0;
  for (const wchar_t* format : {L"ExcludeClipboardContentFromMonitorProcessing",
                                L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
    Offer(RegisterClipboardFormatW(format), GlobalCopy(&kNo, sizeof(kNo)));
  }
  CloseClipboard();
}

void CutSelection(HWND edit) {
  CopySelection(edit);
  SendMessageW(edit, WM_CLEAR, 0, 0);
}

bool KeyDown(int virtual_key) {
  return GetKeyState(virtual_key) < 0;
}

LRESULT CALLBACK SecretEditProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR /*id*/, DWORD_PTR /*data*/) {
  switch (message) {
    // Ctrl+C, Ctrl+X and the context menu send these.
    case WM_COPY:
      CopySelection(edit);
      return 0;
    case WM_CUT:
      CutSelection(edit);
      return 0;
    // The edit control copies on Ctrl+Insert and cuts on Shift+Delete without sending them.
    case WM_KEYDOWN:
      if (wparam == VK_INSERT && KeyDown(VK_CONTROL) && !KeyDown(VK_SHIFT)) {
        CopySelection(edit);
        return 0;
      }
      if (wparam == VK_DELETE && KeyDown(VK_SHIFT) && !KeyDown(VK_CONTROL)) {
        CutSelection(edit);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      system::RemoveWindowSubclass(edit, SecretEditProcedure, kSubclassId);
      break;
    default:
      break;
  }
  return system::DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

void KeepCopiesOutOfClipboardHistory(HWND edit) {
  system::SetWindowSubclass(edit, SecretEditProcedure, kSubclassId, 0);
}

}  // namespace quillet::win32
