// SPDX-License-Identifier: MIT

#include "ui/qt/form_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <utility>

#include "app/control_table.h"
#include "app/text_selection.h"
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
    : QWidget(parent), form_(form), layout_scale_(FontLayoutScale()) {
  [[maybe_unused]] static const bool described_as_window =
      (QAccessible::installFactory(DescribeFormWindow), true);
  setWindowTitle(ToQString(Form1Layout.caption));
  for (const ControlLayout& layout : ControlTable()) {
    QWidget* widget = CreateWidget(layout, layout_scale_, this);
    widgets_[layout.control] = widget;
    if (layout.kind == ControlKind::Label) {
      widget->lower();  // a scroll bar overlaps the right of its label and is drawn above it
    } else {
      ShowValue(layout.control);
      ConnectUserActions(layout.control, widget);
    }
  }
  SetTabOrder();

  resize(StartUpSize());

  form_.SetListener(this);
  form_.Load();
  widgets_.at(Control::Command1)->setFocus();
}

FormWindow::~FormWindow() {
  form_.SetListener(nullptr);
}

double FormWindow::FontLayoutScale() const {
  return LayoutScale(QFontInfo(font()).pointSizeF());
}

// Window managers add frames of their own, and a bare X server none: setting the client area to
// the start-up size less the usual frame shows the same controls everywhere.
QSize FormWindow::StartUpSize() const {
  return {TwipsToPixels(Form1Layout.start_outer_width - Form1Layout.frame_width, layout_scale_),
          TwipsToPixels(Form1Layout.start_outer_height - Form1Layout.frame_height, layout_scale_)};
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
  const QSize old_start_up = StartUpSize();
  const double old_scale = std::exchange(layout_scale_, FontLayoutScale());
  if (layout_scale_ == old_scale) {
    return;
  }
  LayOutControls();
  const QSize new_start_up = StartUpSize();
  const PixelSize after = SizeForNewLayoutScale(
      {width(), height()}, {old_start_up.width(), old_start_up.height()},
      {new_start_up.width(), new_start_up.height()}, old_scale, layout_scale_);
  resize(after.width, after.height);
}

void FormWindow::ConnectUserActions(Control control, QWidget* widget) {
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, control] { form_.Click(control); });
  } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    connect(option, &QRadioButton::toggled, this, [this, control](bool checked) {
      if (checked) {
        form_.Select(control);
      }
    });
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // Assistive technology writes a box's text without key events and so without textEdited:
    // every change counts but the window's own, which shows what the form already holds.
    connect(edit, &QLineEdit::textChanged, this, [this, control](const QString& text) {
      if (!showing_value_) {
        form_.SetText(control, text.toStdString());
      }
    });
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    // The form decides where a step or a page goes; QScrollBar, which would step by itself once
    // the action is reported, moves where the form put it instead.
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
  }
}

void FormWindow::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const ControlLayout* layout : ControlsInTabOrder()) {
    if (layout->kind == ControlKind::Label) {
      continue;
    }
    QWidget* widget = widgets_.at(layout->control);
    if (previous != nullptr) {
      setTabOrder(previous, widget);
    }
    previous = widget;
  }
}

void FormWindow::ShowValue(Control control) {
  QWidget* widget = widgets_.at(control);
  if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    option->setChecked(form_.Selected(control));
    option->setFocusPolicy(form_.TakesTabStop(control) ? Qt::StrongFocus : Qt::ClickFocus);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // Writing the text a box already shows would drop its selection and undo history, in the
    // middle of the user's typing. A rewrite puts the caret and the selection where the form's
    // rule says, instead of at the end as setText does.
    const QString text = QString::fromStdString(form_.Text(control));
    if (edit->text() != text) {
      const int caret = edit->cursorPosition();
      const int anchor = !edit->hasSelectedText()          ? caret
                         : caret == edit->selectionStart() ? edit->selectionEnd()
                                                           : edit->selectionStart();
      const TextSelection after = SelectionAfterRewrite(
          {static_cast<std::size_t>(anchor), static_cast<std::size_t>(caret)},
          static_cast<std::size_t>(edit->text().size()), static_cast<std::size_t>(text.size()));
      const QScopedValueRollback showing(showing_value_, true);
      edit->setText(text);
      // A negative length selects backwards, leaving the caret where it was, at the start.
      edit->setSelection(static_cast<int>(after.start),
                         static_cast<int>(after.end) - static_cast<int>(after.start));
    }
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    bar->setValue(form_.Value(control));
  }
}

void FormWindow::ControlChanged(Control control) {
  ShowValue(control);
}

void FormWindow::RandomSourceFailed() {
  auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                              ToQString(RandomSourceFailedMessage), QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace quillet::qt
