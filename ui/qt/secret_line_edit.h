// SPDX-License-Identifier: MIT

#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>

namespace quillet::qt {

// A text box whose copies clipboard histories leave out. Whatever the user copies or cuts from
// it, with keys, the context menu or, on X11, by selecting, goes to the clipboard with the marks
// password managers give their secrets, which Klipper, CopyQ and fcitx5 honour.
class SecretLineEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CopySelection(QClipboard::Mode mode) const;
  void CutSelection();
  // QLineEdit has already put a selection it made on X11's primary selection, without the mark.
  void MarkPrimarySelection() const;
};

// Replaces a box's text, its caret and selection where the form's rule after a rewrite puts them.
// The text it replaces is wiped when Qt frees it, as all freed memory is.
void ReplaceText(QLineEdit* box, const QString& text);

}  // namespace quillet::qt
