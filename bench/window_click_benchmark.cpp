// SPDX-License-Identifier: MIT
// One click on the real 実行 button of the Qt window, through to the repainted password boxes, on
// the offscreen platform, with the lengths 50 and 50 of the core's click benchmark.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>

#include "app/form.h"
#include "password/system_random.h"
#include "ui/qt/form_window.h"

namespace quillet::qt {
namespace {

// Counts the paint events the password boxes receive, to prove that each click repaints them.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
    }
    return QObject::eventFilter(watched, event);
  }
};

void ClickToRepaintedBoxes(benchmark::State& state) {
  SystemRandom random;
  Form1 form(random);
  FormWindow window(form);
  form.SetText(Control::Text8, "50");
  form.SetText(Control::Text11, "50");
  window.resize(800, 600);  // every password box in view, so that each is painted
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    state.SkipWithError("the window was never shown");
    return;
  }
  PaintCounter counter;
  for (const char* name : {"Text1", "Text9", "Text10"}) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->installEventFilter(&counter);
  }
  auto* button = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
  }
  if (counter.paints < 3 * state.iterations()) {
    state.SkipWithError("a click did not repaint all three password boxes");
  }
}
BENCHMARK(ClickToRepaintedBoxes);

}  // namespace
}  // namespace quillet::qt

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
