// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>

#include "support/window_scenarios.h"

namespace quillet::win32::testing {

// The Windows edition running in a process of its own, driven from outside as a user or a
// testing tool would: window messages, and real keyboard input for what only keys can do.
class QuilletProcess final : public quillet::testing::WindowDriver {
 public:
  QuilletProcess();  // starts quillet.exe from this program's folder and waits for its window
  ~QuilletProcess() override;

  QuilletProcess(const QuilletProcess&) = delete;
  QuilletProcess& operator=(const QuilletProcess&) = delete;

  HWND Window() const { return window_; }
  HWND Child(Control control) const;

  std::string Caption() const override;
  std::string Text(Control text_box) const override;
  int Value(Control scroll_bar) const override;
  bool Checked(Control option_button) const override;
  std::optional<Control> Focused() const override;
  quillet::testing::PixelRect ClientArea() const override;
  quillet::testing::PixelRect Place(Control control) const override;

  void SetText(Control text_box, std::string_view text) override;
  // The edit control reports a keystroke's change as it reports any new text: the same
  // notification, after the change.
  void Type(Control text_box, std::string_view text) override { SetText(text_box, text); }
  void Paste(Control text_box, std::string_view text) override;
  void Click(Control button) override;
  void Scroll(Control scroll_bar, quillet::testing::ScrollStep step, int position) override;

  // Real key presses, through the system's input queue.
  void Press(quillet::testing::Key key, bool shift = false) override;
  void PressKey(WORD virtual_key, bool shift = false, bool control = false) const;
  void TypeText(std::string_view text) override;
  void Focus(Control control) override;

  bool Settles(const std::function<bool()>& done) const override;

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace quillet::win32::testing
