// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cstdio>
#include <string>

#include "app/form.h"
#include "password/system_random.h"
#include "quillet_version.h"
#include "ui/qt/form_window.h"
#include "ui/qt/process_guard.h"

namespace {

// The sizes a title bar and a task bar show; launchers and larger views take the installed
// hicolor icons. The pixels are raw RGBA: decoding an image file would make Qt load every one
// of its image-format plugins first, which costs a sixth of the start-up.
QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    const QResource pixels(QStringLiteral(":/icons/quillet-%1.rgba").arg(size));
    icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_RGBA8888)));
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  for (const std::string& failure : quillet::qt::GuardProcess()) {
    std::fprintf(stderr, "quillet: %s\n", failure.c_str());
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillet"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLET_VERSION));
  // Lets the desktop match the window to its launcher, for the launcher's name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUILLET_APP_ID));
  QApplication::setWindowIcon(WindowIcon());

  quillet::SystemRandom random;
  quillet::Form1 form(random);
  quillet::qt::FormWindow window(form);
  window.show();
  return QApplication::exec();
}
