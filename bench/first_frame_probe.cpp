// SPDX-License-Identifier: MIT
// Linked into a Qt program beside its own main(): as soon as the program's window has painted its
// first frame, prints a line and ends the process, so that a runner can time the start-up from
// outside, from the moment the line arrives, and read the peak memory it took.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstFrameProbe final : public QObject {
 public:
  explicit FirstFrameProbe(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && qobject_cast<QWidget*>(watched) != nullptr && !seen_) {
      seen_ = true;
      // Posted, so that it arrives once the whole frame has been painted and handed on.
      QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    return QObject::eventFilter(watched, event);
  }

  void customEvent(QEvent* /*event*/) override {
    std::fputs("painted\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
  }

 private:
  bool seen_ = false;
};

void InstallProbe() {
  QCoreApplication::instance()->installEventFilter(
      new FirstFrameProbe(QCoreApplication::instance()));
}

}  // namespace

// Runs inside the QApplication constructor, before the program's main() goes on.
Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
