// SPDX-License-Identifier: MIT

#include "ui/qt/form_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <utility>

#include "app/control_table.h"
#include "ui/qt/secret_line_edit.h"
#include "ui/qt/widget_factory.h"

namespace quillet::qt {
namespace {

// Qt describes a bare QWidget to assistive technology as a filler pane, even as a top-level
// window; screen readers look for a frame to announce the window's title when it is activated.
QAccessibleInterface* DescribeFormWindow(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(FormWindow::staticMetaObject.className())) {
    return nullptr;
  }
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// What the user asks of a scroll bar with its arrows, its trough and its keys; a drag asks
// nothing until the thumb is let go, which then sets the value.
constexpr std::pair<int, ScrollRequest> kScrollRequests[] = {
    {QAbstractSlider::SliderSingleStepSub, ScrollRequest::StepLeft},
    {QAbstractSlider::SliderSingleStepAdd, ScrollRequest::StepRight},
    {QAbstractSlider::SliderPageStepSub, ScrollRequest::PageLeft},
    {QAbstractSlider::SliderPageStepAdd, ScrollRequest::PageRight},
    {QAbstractSlider::SliderToMinimum, ScrollRequest::ToStart},
    {QAbstractSlider::SliderToMaximum, ScrollRequest::ToEnd},
};

}  // namespace

FormWindow::FormWindow(Form1& form, QWidget* parent)
    : QWidget(parent), form_(form), layout_scale_(LayoutScale(QFontInfo(font()).pointSizeF())) {
  // Installed once for the process: a second window's call finds it there.
  QAccessible::installFactory(DescribeFormWindow);
  setWindowTitle(ToQString(Form1Layout.caption));
  CreateControls();
  Load();
}

FormWindow::~FormWindow() {
  form_.SetListener(nullptr);
}

// The Tab key follows the order in which the controls are made.
void FormWindow::CreateControls() {
  for (const ControlLayout* layout : ControlsInTabOrder()) {
    QWidget* widget = CreateWidget(*layout, layout_scale_, this);
    widgets_[layout->control] = widget;
    ControlChanged(layout->control);
    ConnectUserActions(layout->control, widget);
    // The labels go under every other control, since a scroll bar overlaps the right of its label.
    if (layout->kind == ControlKind::Label) {
      widget->lower();
    }
  }
}

// The load event: the window takes its start-up size; then the form runs its start-up.
void FormWindow::Load() {
  const PixelSize start_up = StartUpClientSize(layout_scale_);
  resize(start_up.width, start_up.height);
  form_.SetListener(this);
  form_.Load();
  widgets_.at(Control::Command1)->setFocus();
}

void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    FollowFontChange();
  }
}

// Places follow the layout scale, which follows the desktop's font.
void FormWindow::LayOutControls() {
  for (const ControlLayout& layout : ControlTable()) {
    PlaceWidget(widgets_.at(layout.control), layout, layout_scale_);
  }
}

// A font the desktop changes while the window is open lays it out as a start-up with that font
// would, and sizes the window by the form's rule.
void FormWindow::FollowFontChange() {
  const double old_scale =
      std::exchange(layout_scale_, LayoutScale(QFontInfo(font()).pointSizeF()));
  if (layout_scale_ == old_scale) {
    return;
  }
  LayOutControls();
  const PixelSize after =
      SizeForNewLayoutScale({width(), height()}, StartUpClientSize(old_scale),
                            StartUpClientSize(layout_scale_), old_scale, layout_scale_);
  resize(after.width, after.height);
}

void FormWindow::ConnectUserActions(Control control, QWidget* widget) {
  switch (KindOf(control)) {
    case ControlKind::CommandButton:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, control] { form_.Click(control); });
      break;
    case ControlKind::OptionButton:
      connect(static_cast<QRadioButton*>(widget), &QRadioButton::toggled, this,
              [this, control](bool checked) {
                if (checked) {
                  form_.Select(control);
                }
              });
      break;
    case ControlKind::TextBox:
      // Assistive technology writes a box's text without key events and so without textEdited:
      // every change counts but the window's own, which shows what the form already holds.
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this,
              [this, control](const QString& text) {
                if (!showing_value_) {
                  form_.SetText(control, text.toStdString());
                }
              });
      break;
    case ControlKind::ScrollBar: {
      auto* bar = static_cast<QScrollBar*>(widget);
      // The form decides where a step or a page goes; QScrollBar, which would step by itself
      // once the action is reported, moves where the form put it instead.
      connect(bar, &QScrollBar::actionTriggered, this, [this, control, bar](int action) {
        for (const auto& [candidate, request] : kScrollRequests) {
          if (candidate == action) {
            form_.Scroll(control, request);
            bar->setSliderPosition(form_.Value(control));
          }
        }
      });
      connect(bar, &QScrollBar::valueChanged, this,
              [this, control](int value) { form_.SetValue(control, value); });
      break;
    }
    case ControlKind::Label:
      break;
  }
}

// Shows a control's value: the design value as the control is made, and then every value the form
// gives it.
void FormWindow::ControlChanged(Control control) {
  QWidget* widget = widgets_.at(control);
  const bool was_showing = std::exchange(showing_value_, true);
  switch (KindOf(control)) {
    case ControlKind::OptionButton:
      static_cast<QRadioButton*>(widget)->setChecked(form_.Selected(control));
      widget->setFocusPolicy(form_.TakesTabStop(control) ? Qt::StrongFocus : Qt::ClickFocus);
      break;
    case ControlKind::TextBox:
      ReplaceText(static_cast<QLineEdit*>(widget), QString::fromStdString(form_.Text(control)));
      break;
    case ControlKind::ScrollBar:
      static_cast<QScrollBar*>(widget)->setValue(form_.Value(control));
      break;
    default:
      break;
  }
  showing_value_ = was_showing;
}

void FormWindow::RandomSourceFailed() {
  auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                              ToQString(RandomSourceFailedMessage), QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace quillet::qt
