// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/control.h"

namespace quillet::win32::testing {

// The Windows edition running in a process of its own, driven from outside as a user or a
// testing tool would: window messages, and real keyboard input for what only keys can do.
class QuilletProcess {
 public:
  QuilletProcess();  // starts quillet.exe from this program's folder and waits for its window
  ~QuilletProcess();

  QuilletProcess(const QuilletProcess&) = delete;
  QuilletProcess& operator=(const QuilletProcess&) = delete;

  HWND Window() const { return window_; }
  HWND Child(Control control) const;

  std::wstring Text(Control text_box) const;
  void SetText(Control text_box, const std::wstring& text) const;
  int Value(Control scroll_bar) const;
  bool Checked(Control option_button) const;
  void Click(Control button) const;
  void Scroll(Control scroll_bar, WORD request, WORD position = 0) const;

  // The control that has the keyboard focus, if it is one of the window's.
  bool Focused(Control& control) const;

  // Real key presses, through the system's input queue.
  void PressKey(WORD virtual_key, bool shift = false, bool control = false) const;
  void TypeText(const std::wstring& text) const;

  // Waits, a bounded time, until the window has done what the input asked of it.
  bool WaitUntil(const std::function<bool()>& done) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace quillet::win32::testing
