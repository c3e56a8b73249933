// SPDX-License-Identifier: MIT
// The bare window with one line of Japanese text: what a window pays for drawing any text at
// all, which the bare window never does.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QLabel window(QStringLiteral("実行"));
  window.show();
  return QApplication::exec();
}
