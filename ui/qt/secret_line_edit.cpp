// SPDX-License-Identifier: MIT

#include "ui/qt/secret_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "app/text_selection.h"

namespace quillet::qt {
namespace {

// Whether the action was wired to the box's slot, which it then is no longer. Qt wires its
// standard menu by the slot's name in some versions and by pointer in others.
template <typename Slot>
bool Unwire(QAction* action, QLineEdit* box, const char* slot_name, Slot slot) {
  return QObject::disconnect(action, &QAction::triggered, box, slot) ||
         QObject::disconnect(action, SIGNAL(triggered(bool)), box, slot_name);
}

}  // namespace

void SecretLineEdit::keyPressEvent(QKeyEvent* event) {
  // The standard keys include Ctrl+Insert and Shift+Delete, and the keyboards' own Copy and
  // Cut keys.
  if (event->matches(QKeySequence::Copy)) {
    CopySelection(QClipboard::Clipboard);
    event->accept();
  } else if (event->matches(QKeySequence::Cut)) {
    CutSelection();
    event->accept();
  } else {
    QLineEdit::keyPressEvent(event);
    if (event->isAccepted()) {
      MarkPrimarySelection();
    }
  }
}

void SecretLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) {
    MarkPrimarySelection();
  }
}

void SecretLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's Copy and Cut are the actions wired to QLineEdit's own; they get this box's instead.
  for (QAction* action : menu->actions()) {
    if (Unwire(action, this, SLOT(copy()), &QLineEdit::copy)) {
      connect(action, &QAction::triggered, this, [this] { CopySelection(QClipboard::Clipboard); });
    } else if (Unwire(action, this, SLOT(cut()), &QLineEdit::cut)) {
      connect(action, &QAction::triggered, this, &SecretLineEdit::CutSelection);
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void SecretLineEdit::CopySelection(QClipboard::Mode mode) const {
  if (!hasSelectedText()) {
    return;
  }
  auto* data = new QMimeData;
  data->setText(selectedText());
  // KDE's mark, which Klipper, CopyQ 8 and fcitx5 read; CopyQ 6, Debian 12's, reads only its own.
  data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
  data->setData(QStringLiteral("application/x-copyq-hidden"), QByteArrayLiteral("1"));
  QGuiApplication::clipboard()->setMimeData(data, mode);
}

void SecretLineEdit::CutSelection() {
  if (!isReadOnly() && hasSelectedText()) {
    CopySelection(QClipboard::Clipboard);
    del();
  }
}

void SecretLineEdit::MarkPrimarySelection() const {
  if (QGuiApplication::clipboard()->supportsSelection()) {
    CopySelection(QClipboard::Selection);
  }
}

// Writing the text a box already shows would drop its selection and undo history, in the middle of
// the user's typing; setText would put the caret at the end.
void ReplaceText(QLineEdit* box, const QString& text) {
  if (box->text() == text) {
    return;
  }
  const int caret = box->cursorPosition();
  const int anchor = !box->hasSelectedText()          ? caret
                     : caret == box->selectionStart() ? box->selectionEnd()
                                                      : box->selectionStart();
  const TextSelection after = SelectionAfterRewrite(
      {static_cast<std::size_t>(anchor), static_cast<std::size_t>(caret)},
      static_cast<std::size_t>(box->text().size()), static_cast<std::size_t>(text.size()));
  box->setText(text);
  // A negative length selects backwards, leaving the caret where it was, at the start.
  box->setSelection(static_cast<int>(after.start),
                    static_cast<int>(after.end) - static_cast<int>(after.start));
}

}  // namespace quillet::qt
