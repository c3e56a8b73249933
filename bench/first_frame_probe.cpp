// Linked into a Qt program beside its own main(): as soon as the program's window has painted its
// first frame, prints the monotonic clock in nanoseconds and ends the process, so that a runner
// can time the start-up from outside and read the peak memory it took.

#include <time.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstFrameProbe final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget != nullptr && !seen_) {
      seen_ = true;
      // Queued, so that it runs once the whole frame has been painted and handed to the platform.
      QMetaObject::invokeMethod(this, &FirstFrameProbe::Report, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static void Report() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
    std::fflush(stdout);
    std::_Exit(0);
  }

  bool seen_ = false;
};

void InstallProbe() {
  QCoreApplication::instance()->installEventFilter(new FirstFrameProbe);
}

}  // namespace

// Runs inside the QApplication constructor, before the program's main() goes on.
Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
