// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "app/control_table.h"
#include "app/form.h"
#include "password/system_random.h"
#include "support/scenarios.h"
#include "ui/qt/form_window.h"

namespace quillet::qt {
namespace {

// What a user's desktop gives a Qt program: a light or a dark palette, and a Japanese face at
// the size chosen for the desktop.
QPalette DarkPalette() {
  QPalette palette;
  for (const auto role : {QPalette::Window, QPalette::Button}) {
    palette.setColor(role, QColor(53, 53, 53));
  }
  palette.setColor(QPalette::Base, QColor(35, 35, 35));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, Qt::white);
  }
  return palette;
}

// The relative luminance and contrast ratio of the Web Content Accessibility Guidelines.
double Luminance(QRgb rgb) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
  const double first = Luminance(a);
  const double second = Luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast between a drawn box's background, its commonest colour, and the pixel of its
// text that stands out from it most.
double TextContrast(QWidget* box) {
  const QImage image = box->grab().toImage();
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      ++counts[image.pixel(x, y)];
    }
  }
  const QRgb background =
      std::ranges::max_element(counts, {}, [](const auto& count) { return count.second; })->first;
  const QRect inside = box->contentsRect().adjusted(3, 3, -3, -3);
  double most = 1.0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      most = std::max(most, Contrast(image.pixel(x, y), background));
    }
  }
  return most;
}

// Whether a caption is drawn whole: the room the style leaves for it against its size.
bool CaptionFits(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QSize needed = label->sizeHint();
    return needed.width() <= label->width() && needed.height() <= label->height();
  }
  auto* button = qobject_cast<QAbstractButton*>(widget);
  if (button == nullptr) {
    return true;
  }
  QStyleOptionButton option;
  option.initFrom(button);
  const bool is_option = qobject_cast<QRadioButton*>(button) != nullptr;
  const QRect room = button->style()->subElementRect(
      is_option ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
  const QFontMetrics metrics = button->fontMetrics();
  return metrics.horizontalAdvance(button->text()) <= room.width() &&
         metrics.height() <= button->height();
}

bool ValueFits(QLineEdit* box) {
  return box->fontMetrics().horizontalAdvance(box->text()) <= box->contentsRect().width() - 4;
}

}  // namespace

class FormWindowLookTest : public QObject {
  Q_OBJECT

  // NOLINTNEXTLINE(readability-redundant-access-specifiers)
 private slots:
  void everyCaptionFitsAndTheResultsStayReadable_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("while_shown");  // the font changes once the window is on screen
    QTest::newRow("light, 12 points") << false << 12 << false;
    QTest::newRow("dark, 9 points") << true << 9 << false;
    QTest::newRow("dark, 10 points") << true << 10 << false;
    QTest::newRow("dark, 12 points") << true << 12 << false;
    QTest::newRow("light, 9 then 12 points") << false << 12 << true;
  }

  void everyCaptionFitsAndTheResultsStayReadable() {
    QFETCH(bool, dark);
    QFETCH(int, points);
    QFETCH(bool, while_shown);
    QApplication::setPalette(dark ? DarkPalette() : QPalette());
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), while_shown ? 9 : points));
    SystemRandom random;
    Form1 form(random);
    FormWindow window(form);
    if (while_shown) {
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), points));
      QTRY_COMPARE(window.font().pointSize(), points);  // Qt delivers the change later
    }
    const auto find = [&window](std::string_view name) {
      return window.findChild<QWidget*>(QString::fromUtf8(name));
    };

    // The start-up size shows the button, the options and the two adjustable rows, and only
    // them; the scroll bars overlap their labels.
    const QRect start_up = window.rect();
    for (const ControlLayout& layout : ControlTable()) {
      const QRect place = find(layout.name)->geometry();
      const bool shown = testing::ShownAtStartUp(layout.control);
      QVERIFY2(shown ? start_up.contains(place) : !start_up.intersects(place), layout.name.data());
    }
    QVERIFY(find("HScroll1")->geometry().intersects(find("Label13")->geometry()));

    for (const auto& [box, text] : {std::pair{"Text2", "100"}, {"Text3", "1"}, {"Text5", "1"}}) {
      qobject_cast<QLineEdit*>(find(box))->setText(QString::fromLatin1(text));
    }
    form.SetValue(Control::HScroll1, 50);
    const QPoint corner = window.childrenRect().bottomRight();
    window.resize(corner.x() + 8, corner.y() + 8);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (QObject* child : window.children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QVERIFY2(ValueFits(box), qPrintable(box->objectName() + " " + box->text()));
      } else if (widget != nullptr) {
        QVERIFY2(CaptionFits(widget), qPrintable(widget->objectName()));
      }
    }
    // QUILLET_LOOK_PICTURES names a folder for pictures of each look, as docs/ shows them.
    if (const QString folder = qEnvironmentVariable("QUILLET_LOOK_PICTURES"); !folder.isEmpty()) {
      window.grab().save(QStringLiteral("%1/look-%2-%3pt.png")
                             .arg(folder, dark ? QStringLiteral("dark") : QStringLiteral("light"))
                             .arg(points));
    }
    for (const char* name : {"Text6", "Text7"}) {
      QVERIFY2(!qobject_cast<QLineEdit*>(find(name))->text().startsWith(QLatin1Char('0')), name);
      const double contrast = TextContrast(find(name));
      QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(contrast)));
    }
  }
};

}  // namespace quillet::qt

QTEST_MAIN(quillet::qt::FormWindowLookTest)
#include "form_window_look_test.moc"
