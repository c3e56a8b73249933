// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTextStream>
#include <cstdlib>
#include <map>

#include "app/control_table.h"
#include "app/form.h"
#include "password/system_random.h"
#include "ui/qt/form_window.h"

// Qt reads QT_SCALE_FACTOR once, when the application starts: the test runs this program again
// with "--measure" at each scale and compares what the two runs print.

namespace quillet::qt {
namespace {

constexpr char kMeasureArgument[] = "--measure";

// A control's place, and the box around its dark pixels: its text, its arrows, its dot.
struct Measure {
  QRect place;
  QRect ink;
};
using Measures = std::map<QString, Measure>;

QRect DarkPixels(const QImage& image, const QRect& area) {
  const QRect within = area & image.rect();
  QRect box;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 96) {
        box |= QRect(x, y, 1, 1);
      }
    }
  }
  return box;
}

// One line a control: its name, then its place and its ink as left, top, width and height in
// device pixels.
int PrintMeasures() {
  SystemRandom random;
  Form1 form(random);
  FormWindow window(form);
  // The password boxes show their font only with text in them.
  for (const char* name : {"Text1", "Text9", "Text10"}) {
    window.findChild<QLineEdit*>(QLatin1String(name))->setText(QStringLiteral("Quillet 桁"));
  }
  // Large enough to draw the controls below the start-up size too.
  const QRect controls = window.childrenRect();
  window.resize(controls.right() + controls.left(), controls.bottom() + controls.left());
  const QImage image = window.grab().toImage();
  const qreal ratio = image.devicePixelRatio();

  QTextStream out(stdout);
  const auto print = [&out](const QString& name, const QRect& place, const QRect& ink) {
    out << name;
    for (const QRect& rect : {place, ink}) {
      out << ' ' << rect.x() << ' ' << rect.y() << ' ' << rect.width() << ' ' << rect.height();
    }
    out << '\n';
  };
  print(QStringLiteral("Form1"), image.rect(), QRect());
  for (const ControlLayout& layout : ControlTable()) {
    const QString name =
        QString::fromLatin1(layout.name.data(), static_cast<qsizetype>(layout.name.size()));
    const QWidget* widget = window.findChild<QWidget*>(name);
    const QRect place(widget->mapTo(&window, QPoint(0, 0)) * ratio, widget->size() * ratio);
    print(name, place, DarkPixels(image, place));
  }
  return EXIT_SUCCESS;
}

}  // namespace

class FormWindowScaleTest : public QObject {
  Q_OBJECT

 private:
  static Measures MeasureAt(const QString& scale) {
    QProcess measure;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    measure.setProcessEnvironment(environment);
    measure.start(QCoreApplication::applicationFilePath(), {QLatin1String(kMeasureArgument)});
    if (!measure.waitForFinished(20000) || measure.exitCode() != EXIT_SUCCESS) {
      qFatal("measuring at scale %s failed", qPrintable(scale));
    }
    Measures measures;
    for (const QString& line : QString::fromUtf8(measure.readAllStandardOutput()).split('\n')) {
      const QStringList fields = line.split(' ');
      if (fields.size() == 9) {
        measures[fields[0]] = {
            QRect(fields[1].toInt(), fields[2].toInt(), fields[3].toInt(), fields[4].toInt()),
            QRect(fields[5].toInt(), fields[6].toInt(), fields[7].toInt(), fields[8].toInt())};
      }
    }
    return measures;
  }

  // Whether `scaled` is `rect` twice as large, give or take `slack` device pixels on each side.
  static bool IsDoubled(const QRect& rect, const QRect& scaled, int slack) {
    if (rect.isNull() || scaled.isNull()) {
      return rect.isNull() && scaled.isNull();
    }
    const QRect doubled(rect.topLeft() * 2, rect.size() * 2);
    return std::abs(scaled.left() - doubled.left()) <= slack &&
           std::abs(scaled.top() - doubled.top()) <= slack &&
           std::abs(scaled.right() - doubled.right()) <= slack &&
           std::abs(scaled.bottom() - doubled.bottom()) <= slack;
  }

  // "slots" tells moc, and so QTest, which functions are the tests; the check sees only a second
  // "private:".
  // NOLINTNEXTLINE(readability-redundant-access-specifiers)
 private slots:
  void placesAndTextDoubleAtScaleTwo() {
    const Measures single = MeasureAt(QStringLiteral("1"));
    const Measures doubled = MeasureAt(QStringLiteral("2"));
    QCOMPARE(single.size(), ControlTable().size() + 1);
    QCOMPARE(doubled.size(), single.size());
    for (const auto& [name, measure] : single) {
      const Measure& scaled = doubled.at(name);
      QVERIFY2(IsDoubled(measure.place, scaled.place, 1), qPrintable(name));
      // Glyphs are hinted to whole pixels at each size, so their ink is a little less exact.
      QVERIFY2(IsDoubled(measure.ink, scaled.ink, 3), qPrintable(name));
    }
  }
};

}  // namespace quillet::qt

int main(int argc, char* argv[]) {
  if (argc == 2 && qstrcmp(argv[1], quillet::qt::kMeasureArgument) == 0) {
    QApplication application(argc, argv);
    return quillet::qt::PrintMeasures();
  }
  QApplication application(argc, argv);
  quillet::qt::FormWindowScaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "form_window_scale_test.moc"
