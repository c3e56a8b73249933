// SPDX-License-Identifier: MIT
// The window with one label again, the label showing every text Quillet's first frame shows: the
// captions and start-up values of the controls inside the start-up size. Beside Quillet it tells
// what the controls cost apart from their texts, and beside the one-label window what the texts
// cost.

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <string_view>

#include "app/control_table.h"
#include "app/form.h"
#include "password/system_random.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quillet::SystemRandom random;
  quillet::Form1 form(random);
  form.Load();
  const int shown_height =
      quillet::Form1Layout.start_outer_height - quillet::Form1Layout.frame_height;
  QStringList texts;
  for (const quillet::ControlLayout& layout : quillet::ControlTable()) {
    const std::string_view text = layout.kind == quillet::ControlKind::TextBox
                                      ? std::string_view(form.Text(layout.control))
                                      : layout.caption;
    if (layout.place.top < shown_height && !text.empty()) {
      texts << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
  }
  QLabel window(texts.join(u' '));
  window.show();
  return QApplication::exec();
}
