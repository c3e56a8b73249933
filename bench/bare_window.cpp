// SPDX-License-Identifier: MIT
// The baseline for the start-up: the least a Qt Widgets program does to show a window.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.show();
  return QApplication::exec();
}
