// SPDX-License-Identifier: MIT

#include "ui/qt/focus_before_caret.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace quillet::qt {
namespace {

// The box between its focus-in event and Qt's report of its focus, while its caret and selection
// reports are held back. Qt reports the focus in the same call that sends the focus-in event;
// should it not, the hold ends with that call all the same.
QPointer<QObject> box_taking_focus;
// Where the reports went before: Qt hands every report to the installed handler and no further,
// and without one to the platform's accessibility bridge.
QAccessible::UpdateHandler next_handler = nullptr;

void Reorder(QAccessibleEvent* event);

void Report(QAccessibleEvent* event) {
  QAccessible::installUpdateHandler(next_handler);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&Reorder);
}

void Reorder(QAccessibleEvent* event) {
  const QAccessible::Event type = event->type();
  if (box_taking_focus == nullptr || event->object() != box_taking_focus) {
    if (type == QAccessible::Focus) {
      box_taking_focus = nullptr;
    }
    Report(event);
    return;
  }
  if (type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged) {
    return;
  }
  Report(event);
  if (type == QAccessible::Focus) {
    auto* box = static_cast<QLineEdit*>(box_taking_focus.data());
    box_taking_focus = nullptr;
    QAccessibleTextSelectionEvent selection(box, box->selectionStart(), box->selectionEnd());
    Report(&selection);
    QAccessibleTextCursorEvent caret(box, box->cursorPosition());
    Report(&caret);
  }
}

class FocusWatch final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      box_taking_focus = watched;
      const auto focus_taken = [] { box_taking_focus = nullptr; };
      QMetaObject::invokeMethod(this, focus_taken, Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

void ReportFocusBeforeCaret(QLineEdit* box) {
  static FocusWatch* const watch = [] {
    next_handler = QAccessible::installUpdateHandler(&Reorder);
    return new FocusWatch(QCoreApplication::instance());
  }();
  box->installEventFilter(watch);
}

}  // namespace quillet::qt
