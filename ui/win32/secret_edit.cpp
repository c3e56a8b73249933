// SPDX-License-Identifier: MIT

#include "ui/win32/secret_edit.h"

#include <cstring>
#include <string>

#include "app/text_selection.h"
#include "password/wipe.h"
#include "ui/win32/system_library.h"
#include "ui/win32/wide_text.h"

namespace quillet::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

HGLOBAL GlobalCopy(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) {
    return nullptr;
  }
  void* locked = GlobalLock(memory);
  if (locked == nullptr) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(locked, data, size);
  GlobalUnlock(memory);
  return memory;
}

TextSelection SelectionOf(HWND box) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

void Select(HWND box, TextSelection selection) {
  SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(selection.start),
               static_cast<LPARAM>(selection.end));
}

// A box's characters from start to end are overwritten where they lie, so that no copy of them
// is left behind. What Wine's edit control (comctl32's edit.c) was read for:
// - a replacement copies what it removes into a block it frees unwiped: one character at a time,
//   and not to be undone, leaves one character there, and each filler character lands on the one
//   it replaces;
// - after each replacement the box lays out its whole text again, in blocks it frees unwiped.
//   Each layout is as long as the one before, so it can take the block that one freed and write
//   over it; the last holds filler alone. Giving the box a password character while it is
//   overwritten, so that only that character is laid out, left more pieces behind, not fewer: the
//   layout of the text shown before was then freed and never written over.
// Windows' own edit control is assumed to copy and lay out no more than Wine's: these messages are
// all it offers a program to change a box's text with.
void OverwriteInPlace(HWND box, TextSelection characters) {
  for (std::size_t i = characters.start; i < characters.end; ++i) {
    Select(box, {i, i + 1});
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"*"));
  }
}

// The clipboard takes the memory it is given; what it refuses is freed here.
void Offer(UINT format, HGLOBAL memory) {
  if (memory != nullptr && SetClipboardData(format, memory) == nullptr) {
    GlobalFree(memory);
  }
}

void CopySelection(HWND edit) {
  const auto [start, end] = SelectionOf(edit);
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

// The edit control's own cut keeps what it removes for its undo, which emptying it does not wipe.
void CutSelection(HWND edit) {
  CopySelection(edit);
  const TextSelection selection = SelectionOf(edit);
  OverwriteInPlace(edit, selection);
  Select(edit, selection);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
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

bool KeepCopiesOutOfClipboardHistory(HWND edit) {
  return system::SetWindowSubclass(edit, SecretEditProcedure, kSubclassId, 0) != FALSE;
}

// Writing the text a box already shows would move its caret in the middle of the user's typing;
// SetWindowTextW would put the caret at the start, where the user's next key would land in front
// of what they typed.
void ReplaceText(HWND box, const std::wstring& text) {
  std::wstring shown = WindowText(box);
  if (shown != text) {
    const TextSelection after = SelectionAfterRewrite(SelectionOf(box), shown.size(), text.size());
    // The edit control's buffer never shrinks, and a new text is written over the start of the
    // old one: the rest of a longer password would stay behind it.
    OverwriteInPlace(box, {0, shown.size()});
    SetWindowTextW(box, text.c_str());
    Select(box, after);
  }
  Wipe(shown);
}

}  // namespace quillet::win32
