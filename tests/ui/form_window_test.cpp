// SPDX-License-Identifier: MIT

#include "ui/qt/form_window.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/control_table.h"
#include "password/system_random.h"
#include "support/scenarios.h"
#include "support/scripted_random.h"

namespace quillet::qt {
namespace {

bool OnlyFrom(const QString& text, std::string_view characters) {
  return text.toStdString().find_first_not_of(characters) == std::string::npos;
}

// QTest::keyClicks asserts on text outside ASCII; an input method delivers such text as
// key events without a key code.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

// Brings a box to a new text with the keys a user would press: the characters it gains at its
// end, a backspace at its end, or the new text typed over the whole text selected.
void Type(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->end(false);
  const QString old = box->text();
  if (text.startsWith(old)) {
    TypeText(box, text.mid(old.size()));
  } else if (old.size() == text.size() + 1 && old.startsWith(text)) {
    QTest::keyClick(box, Qt::Key_Backspace);
  } else {
    box->selectAll();
    TypeText(box, text);
  }
}

}  // namespace

class FormWindowTest : public QObject {
  Q_OBJECT

 private:
  SystemRandom random_;
  std::unique_ptr<Form1> form_;
  std::unique_ptr<FormWindow> window_;

  template <typename Widget>
  Widget* Find(std::string_view name) const {
    auto* widget = window_->findChild<Widget*>(QString::fromUtf8(name));
    if (widget == nullptr) {
      qFatal("no widget %s", std::string(name).c_str());
    }
    return widget;
  }
  template <typename Widget>
  Widget* Find(Control control) const {
    return Find<Widget>(LayoutOf(control).name);
  }
  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
  QLineEdit* Edit(Control control) const { return Find<QLineEdit>(control); }
  QScrollBar* Bar(const char* name) const { return Find<QScrollBar>(name); }
  QRadioButton* Option(const char* name) const { return Find<QRadioButton>(name); }
  QRadioButton* Option(Control control) const { return Find<QRadioButton>(control); }

  void ClickGenerate() { QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton); }

  void ClickRightArrow(QScrollBar* bar) {
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      QPoint(bar->width() - 3, bar->height() / 2));
  }

  void Open(RandomSource& random) {
    form_ = std::make_unique<Form1>(random);
    window_ = std::make_unique<FormWindow>(*form_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  // "slots" is empty to the compiler, so the check sees a second "private:", but it tells moc,
  // and so QTest, which functions are the tests.
  // NOLINTNEXTLINE(readability-redundant-access-specifiers)
 private slots:
  void init() { Open(random_); }

  void cleanup() {
    window_.reset();
    form_.reset();
  }

  void startsWithTheDesignValues() {
    QCOMPARE(window_->windowTitle(), QString::fromUtf8(testing::kWindowCaption));
    for (const auto& [box, text] : testing::kStartUpTexts) {
      QCOMPARE(Edit(box)->text(), QString::fromUtf8(text));
    }
    for (const auto& [bar, value] : testing::kStartUpValues) {
      QCOMPARE(Find<QScrollBar>(bar)->value(), value);
    }
    QVERIFY(Option(testing::kStartUpOption)->isChecked());
    QVERIFY(!Option(testing::kOtherOption)->isChecked());
    QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(testing::kTabStops[0]));
  }

  void aPasteOfAnyLengthIsKeptWhole() {
    const QString long_text(40000, u'7');
    QApplication::clipboard()->setText(long_text);
    Edit(Control::Text2)->selectAll();
    Edit(Control::Text2)->paste();
    QCOMPARE(Edit(Control::Text2)->text().size(), long_text.size());
  }

  void startUpSizeShowsOnlyTheGeneratorsTopRows() {
    const QRect client = window_->rect();
    for (const ControlLayout& layout : ControlTable()) {
      const QRect place = Find<QWidget>(layout.control)->geometry();
      const bool shown = testing::ShownAtStartUp(layout.control);
      QVERIFY2(shown ? client.contains(place) : !client.intersects(place), layout.name.data());
    }
  }

  void looksAsDesigned() {
    const QColor pink(255, 192, 255);
    QCOMPARE(Edit("Text6")->palette().color(QPalette::Base), pink);
    QCOMPARE(Edit("Text7")->palette().color(QPalette::Base), pink);
    QVERIFY(Edit("Text5")->palette().color(QPalette::Base) != pink);

    // The password boxes need a face with Japanese glyphs; the labels rely on the system's
    // fallback to one. A box takes its face once it has something to draw: the caret of the
    // focus, or a password.
    QVERIFY(!QFontDatabase::families(QFontDatabase::Japanese).isEmpty());
    Edit("Text9")->setFocus();
    QCOMPARE(Edit("Text9")->font().pointSize(), 12);
    ClickGenerate();
    for (const char* name : {"Text1", "Text9", "Text10"}) {
      const QFont font = Edit(name)->font();
      QCOMPARE(font.pointSize(), 12);
      QCOMPARE(font.weight(), QFont::Normal);
      QVERIFY2(QFontDatabase::families(QFontDatabase::Japanese).contains(QFontInfo(font).family()),
               qPrintable(QFontInfo(font).family()));
    }
    QCOMPARE(Edit("Text8")->font(), QApplication::font());
    QCOMPARE(Find<QLabel>("Label13")->text(), QStringLiteral("桁"));

    // Each scroll bar is drawn above the label it overlaps.
    const QObjectList children = window_->children();
    QVERIFY(children.indexOf(Bar("HScroll1")) > children.indexOf(Find<QLabel>("Label13")));
    QVERIFY(children.indexOf(Bar("HScroll2")) > children.indexOf(Find<QLabel>("Label14")));
  }

  void everyControlHasANameToSpeak() {
    QCOMPARE(Edit("Text2")->accessibleName(), QStringLiteral("預け入れ金額(万円)"));
    QStringList names;
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
      if (qobject_cast<QLabel*>(widget) == nullptr && widget->focusPolicy() != Qt::NoFocus &&
          widget->parent() == window_.get()) {
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        names << widget->accessibleName();
      }
    }
    const auto focusable = std::ranges::count_if(
        ControlTable(), [](const ControlLayout& c) { return c.kind != ControlKind::Label; });
    QCOMPARE(names.size(), focusable);
    names.removeDuplicates();
    QCOMPARE(names.size(), focusable);
  }

  void assistiveTechnologySeesAWindow() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QString::fromUtf8(testing::kWindowCaption));
  }

  // Screen readers and voice control write a box's whole text at once, without key events.
  void textWrittenByAssistiveTechnologyReachesTheForm() {
    const auto write = [](QLineEdit* box, const QString& text) {
      QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(box);
      edit->editableTextInterface()->replaceText(0, static_cast<int>(box->text().size()), text);
    };
    write(Edit("Text11"), QStringLiteral("5"));
    QCOMPARE(Bar("HScroll2")->value(), 5);
    for (const auto& [box, text, before_tax, after_tax] : testing::kCalculatorKeystrokes) {
      write(Edit(box), QString::fromUtf8(text));
      QCOMPARE(Edit("Text6")->text(), QString::fromUtf8(before_tax));
      QCOMPARE(Edit("Text7")->text(), QString::fromUtf8(after_tax));
    }
  }

  void theButtonDrawsThreePasswordsFromTheChosenSet() {
    for (const testing::Generation& generation : testing::kGenerations) {
      const QString shown = Edit("Text1")->text();
      QTest::mouseClick(Option(generation.option), Qt::LeftButton);
      for (const Control option : {testing::kStartUpOption, testing::kOtherOption}) {
        QCOMPARE(Option(option)->isChecked(), option == generation.option);
      }
      QCOMPARE(Edit("Text1")->text(), shown);
      Edit("Text8")->setText(QString::fromUtf8(generation.length1_text));
      Edit("Text11")->setText(QString::fromUtf8(generation.length2_text));

      ClickGenerate();
      QVERIFY(Edit("Text1")->text() != shown);
      QCOMPARE(Edit("Text1")->text().size(), 30);
      QCOMPARE(Edit("Text9")->text().size(), generation.length1);
      QCOMPARE(Edit("Text10")->text().size(), generation.length2);
      QVERIFY(OnlyFrom(Edit("Text1")->text() + Edit("Text9")->text() + Edit("Text10")->text(),
                       generation.characters));
    }
  }

  void aLengthIsTypedKeyByKey() {
    QLineEdit* length = Edit("Text8");
    length->setFocus();
    length->selectAll();
    QTest::keyClick(length, Qt::Key_1);
    QCOMPARE(Bar("HScroll1")->value(), 1);
    QTest::keyClick(length, Qt::Key_2);
    QCOMPARE(length->text(), QStringLiteral("12"));
    QCOMPARE(length->cursorPosition(), 2);
    QCOMPARE(Bar("HScroll1")->value(), 12);
    QVERIFY(Edit("Text9")->text().isEmpty());

    ClickGenerate();
    length->setFocus();
    length->selectAll();
    QTest::keyClicks(length, "7");
    QCOMPARE(Bar("HScroll1")->value(), 7);
    QCOMPARE(Edit("Text9")->text().size(), 7);

    // A text no scroll bar can show stays as typed and leaves the bar where it is.
    QTest::keyClick(length, Qt::Key_0);
    QCOMPARE(length->text(), QStringLiteral("70"));
    QCOMPARE(Bar("HScroll1")->value(), 7);

    // Full-width digits from an input method read like ASCII ones.
    length->selectAll();
    TypeText(length, QStringLiteral("１５"));
    QCOMPARE(Bar("HScroll1")->value(), 15);
    QCOMPARE(Edit("Text9")->text().size(), 15);
  }

  void aScrollBarRegeneratesOnlyWhenItsRowShowsAPassword() {
    QScrollBar* bar = Bar("HScroll1");
    ClickRightArrow(bar);
    QCOMPARE(Edit("Text8")->text(), QStringLiteral("11"));
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(Edit("Text8")->text(), QStringLiteral("12"));
    QVERIFY(Edit("Text9")->text().isEmpty());

    ClickGenerate();
    const QString before = Edit("Text1")->text();
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(Edit("Text8")->text(), QStringLiteral("11"));
    QCOMPARE(Edit("Text9")->text().size(), 11);
    QVERIFY(Edit("Text1")->text() != before);

    // The other row regenerates all three as well.
    ClickRightArrow(Bar("HScroll2"));
    QCOMPARE(Edit("Text11")->text(), QStringLiteral("21"));
    QCOMPARE(Edit("Text10")->text().size(), 21);

    // At the end of the range nothing moves and nothing is drawn.
    bar->setValue(50);
    const QString at_end = Edit("Text1")->text();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(Edit("Text8")->text(), QStringLiteral("50"));
    QCOMPARE(Edit("Text1")->text(), at_end);
  }

  void theCalculatorFollowsEveryKey() {
    for (const auto& [box, text, before_tax, after_tax] : testing::kCalculatorKeystrokes) {
      Type(Edit(box), QString::fromUtf8(text));
      QCOMPARE(Edit(box)->text(), QString::fromUtf8(text));
      QCOMPARE(Edit("Text6")->text(), QString::fromUtf8(before_tax));
      QCOMPARE(Edit("Text7")->text(), QString::fromUtf8(after_tax));
    }
  }

  void tabVisitsEveryControlInTheDesignedOrder() {
    QStringList cycle;
    for (const Control stop : testing::kTabStops) {
      cycle << QString::fromUtf8(LayoutOf(stop).name);
    }
    cycle << cycle.front();
    // Each list starts and ends on the button: one lap of the cycle.
    const auto lap = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
      QStringList visited{QApplication::focusWidget()->objectName()};
      for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        visited << QApplication::focusWidget()->objectName();
      }
      return visited;
    };
    QCOMPARE(lap(Qt::Key_Tab, Qt::NoModifier), cycle);
    QStringList backward = lap(Qt::Key_Backtab, Qt::ShiftModifier);
    std::ranges::reverse(backward);
    QCOMPARE(backward, cycle);
  }

  void theOptionButtonsAreOneStopOnTheSelectedOne() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Option("Option2"));
    QTest::keyClick(Option("Option2"), Qt::Key_Down);
    QVERIFY(Option("Option1")->isChecked());
    QCOMPARE(QApplication::focusWidget(), Option("Option1"));
    QTest::keyClick(Option("Option1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Option("Option1"));
  }

  void aFailingRandomSourceIsShownAndChangesNothing() {
    cleanup();
    testing::ScriptedRandom broken;
    Open(broken);
    ClickGenerate();
    auto* message = window_->findChild<QMessageBox*>();
    QVERIFY(message != nullptr);
    QVERIFY(message->isVisible());
    QVERIFY(Edit("Text1")->text().isEmpty());
    QVERIFY(Edit("Text9")->text().isEmpty());
    message->close();
  }
};

}  // namespace quillet::qt

QTEST_MAIN(quillet::qt::FormWindowTest)
#include "form_window_test.moc"
