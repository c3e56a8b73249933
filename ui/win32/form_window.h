// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string_view>

#include "app/control_table.h"
#include "app/form.h"
#include "ui/win32/base_window.h"
#include "ui/win32/control_factory.h"

namespace quillet::win32 {

// The window Form1 with the standard Windows controls: one child window per control of the
// control table. It hands what the user does to the form and shows every value the form
// changes; the rules all live in the form.
class FormWindow final : public BaseWindow<FormWindow>, private FormListener {
 public:
  explicit FormWindow(Form1& form);
  ~FormWindow();

  // Creates the window and its controls with their design values, delivers the load event and
  // shows the window. False, with nothing left of the window, when Windows refuses to create it
  // or any of its controls.
  bool Open(HINSTANCE instance, int show_command);

 private:
  friend BaseWindow;

  void ControlChanged(Control control) override;
  void RandomSourceFailed() override;

  bool CreateControls();
  void Load();
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void LayOutControls();
  void FollowFontChange();
  void OnCommand(Control control, WORD notification, HWND child);
  void OnScroll(HWND bar, WORD request, WORD thumb_position);

  HWND Child(Control control) const { return controls_.at(control); }
  std::optional<Control> ControlOf(HWND child) const;

  Form1& form_;
  std::optional<ControlFactory> factory_;  // for the window's DPI and the message font
  std::map<Control, HWND> controls_;
  HWND focus_before_deactivation_ = nullptr;
  bool showing_value_ = false;  // while the window writes a value the form holds
};

// Tells the user something in a message box with the window's caption; owner may be null.
void ShowMessage(HWND owner, std::string_view message, UINT icon);

}  // namespace quillet::win32
