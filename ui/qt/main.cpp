// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>

#include "app/form.h"
#include "password/random_source.h"
#include "ui/qt/form_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillet"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  // Lets the desktop match the window to its launcher, for the launcher's name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quillet.Quillet"));
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/quillet-%1.png").arg(size));
  }
  QApplication::setWindowIcon(icon);

  quillet::SystemRandom random;
  quillet::Form1 form(random);
  quillet::qt::FormWindow window(form);
  window.show();
  return QApplication::exec();
}
