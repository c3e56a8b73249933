// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <map>
#include <optional>

#include "app/control_table.h"
#include "app/form.h"
#include "ui/win32/control_factory.h"

namespace quillet::win32 {

// The window Form1 with the standard Windows controls: one child window per control of the
// control table. It hands what the user does to the form and shows every value the form
// changes; the rules all live in the form.
class FormWindow final : private FormListener {
 public:
  explicit FormWindow(Form1& form);
  ~FormWindow();

  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window and its controls with their design values, delivers the load event and
  // shows the window. False, with nothing left of the window, when Windows refuses to create it
  // or any of its controls.
  bool Open(HINSTANCE instance, int show_command);

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool CreateControls(HINSTANCE instance);
  ControlPlacement MakePlacement() const;
  void LayOutControls();
  void FollowFontChange();
  PixelSize StartUpSize() const;
  void Load();
  void OnCommand(Control control, WORD notification, HWND child);
  void OnScroll(HWND bar, WORD request, WORD thumb_position);

  void ControlChanged(Control control) override;
  void RandomSourceFailed() override;
  void ShowValue(Control control);

  int Pixels(int twips) const;
  HWND Child(Control control) const { return controls_.at(control); }
  std::optional<Control> ControlOf(HWND child) const;

  Form1& form_;
  HWND window_ = nullptr;
  std::map<Control, HWND> controls_;
  ControlPlacement placement_;
  HWND focus_before_deactivation_ = nullptr;
  // Set while the form's own values are written, so that their notifications are not taken
  // for the user's edits.
  bool showing_value_ = false;
};

}  // namespace quillet::win32
