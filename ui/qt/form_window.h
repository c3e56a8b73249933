// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>
#include <map>

#include "app/form.h"

namespace quillet::qt {

// The window Form1 in Qt: one widget per control of the control table. It hands what the user
// does to the form and shows every value the form changes; the rules all live in the form.
class FormWindow final : public QWidget, private FormListener {
  Q_OBJECT

 public:
  // Builds the controls with their design values, takes the start-up size and delivers the load
  // event, so that the window is ready to be shown.
  explicit FormWindow(Form1& form, QWidget* parent = nullptr);
  ~FormWindow() override;

  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ControlChanged(Control control) override;
  void RandomSourceFailed() override;

  void CreateControls();
  void Load();
  void LayOutControls();
  void FollowFontChange();
  void ConnectUserActions(Control control, QWidget* widget);

  Form1& form_;
  // The places are drawn for the design font: a larger one enlarges the whole layout in
  // proportion, so that its captions fit and the controls keep their places to each other.
  double layout_scale_;
  std::map<Control, QWidget*> widgets_;
  bool showing_value_ = false;  // while the window writes a value the form holds
};

}  // namespace quillet::qt
