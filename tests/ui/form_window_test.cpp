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
#include "support/window_scenarios.h"
#include "ui/qt/widget_factory.h"

namespace quillet::qt {
namespace {

using testing::Key;
using testing::WindowScenarios;

// QTest::keyClicks asserts on text outside ASCII; an input method delivers such text as
// key events without a key code.
void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

// The window driven in this process, with the events a user's mouse and keys would send.
class QtWindow final : public testing::WindowDriver {
 public:
  explicit QtWindow(QWidget& window) : window_(window) {}

  template <typename Widget>
  Widget* Find(Control control) const {
    auto* widget = window_.findChild<Widget*>(ToQString(NameOf(control)));
    if (widget == nullptr) {
      qFatal("no widget %s", std::string(NameOf(control)).c_str());
    }
    return widget;
  }
  QLineEdit* Edit(Control box) const { return Find<QLineEdit>(box); }

  std::string Caption() const override { return window_.windowTitle().toStdString(); }
  std::string Text(Control box) const override { return Edit(box)->text().toStdString(); }
  int Value(Control bar) const override { return Find<QScrollBar>(bar)->value(); }
  bool Checked(Control option) const override { return Find<QRadioButton>(option)->isChecked(); }
  std::optional<Control> Focused() const override {
    const QWidget* focused = QApplication::focusWidget();
    return testing::FindControl([&](Control control) {
      return focused != nullptr && focused->objectName() == ToQString(NameOf(control));
    });
  }
  testing::PixelRect ClientArea() const override { return Pixels(window_.rect()); }
  testing::PixelRect Place(Control control) const override {
    return Pixels(Find<QWidget>(control)->geometry());
  }

  void SetText(Control box, std::string_view text) override { Edit(box)->setText(ToQString(text)); }
  // With the keys a user would press: the characters the box gains at its end, a backspace at
  // its end, or the new text typed over the whole text selected.
  void Type(Control box, std::string_view text) override {
    QLineEdit* edit = Edit(box);
    const QString old = edit->text();
    const QString now = ToQString(text);
    edit->setFocus();
    edit->end(false);
    if (now.startsWith(old)) {
      TypeKeys(edit, now.mid(old.size()));
    } else if (old.size() == now.size() + 1 && old.startsWith(now)) {
      QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
      edit->selectAll();
      TypeKeys(edit, now);
    }
  }
  void Paste(Control box, std::string_view text) override {
    QApplication::clipboard()->setText(ToQString(text));
    Edit(box)->selectAll();
    Edit(box)->paste();
  }
  void Click(Control button) override {
    QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton);
  }
  void Scroll(Control scroll_bar, testing::ScrollStep step, int position) override {
    auto* bar = Find<QScrollBar>(scroll_bar);
    switch (step) {
      case testing::ScrollStep::RightArrow:
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->width() - 3, bar->height() / 2));
        break;
      case testing::ScrollStep::RightEnd:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
      // As the bar's own mouse handling holds, moves and lets go of the thumb.
      case testing::ScrollStep::DragThumb:
        bar->setSliderDown(true);
        bar->setSliderPosition(position);
        break;
      case testing::ScrollStep::DropThumb:
        bar->setSliderPosition(position);
        bar->setSliderDown(false);
        break;
    }
  }
  void Press(Key key, bool shift) override {
    constexpr Qt::Key kKeys[] = {Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down};
    const Qt::Key pressed = key == Key::Tab && shift ? Qt::Key_Backtab : kKeys[int(key)];
    QTest::keyClick(QApplication::focusWidget(), pressed,
                    shift ? Qt::ShiftModifier : Qt::NoModifier);
  }
  void TypeText(std::string_view text) override {
    TypeKeys(QApplication::focusWidget(), ToQString(text));
  }
  void Focus(Control control) override { Find<QWidget>(control)->setFocus(Qt::TabFocusReason); }
  // Events sent here are handled before the call that sends them returns.
  bool Settles(const std::function<bool()>& done) const override { return done(); }

 private:
  static testing::PixelRect Pixels(const QRect& r) {
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
  }

  QWidget& window_;
};

}  // namespace

class FormWindowTest : public QObject {
  Q_OBJECT

 private:
  SystemRandom random_;
  std::unique_ptr<Form1> form_;
  std::unique_ptr<FormWindow> window_;
  std::optional<QtWindow> driver_;

  template <typename Widget>
  Widget* Find(Control control) const {
    return driver_->Find<Widget>(control);
  }
  QLineEdit* Edit(Control box) const { return Find<QLineEdit>(box); }
  QScrollBar* Bar(Control bar) const { return Find<QScrollBar>(bar); }

  void ClickGenerate() { driver_->Click(Control::Command1); }

  void Run(void (WindowScenarios::*scenario)()) {
    WindowScenarios scenarios(*driver_);
    (scenarios.*scenario)();
    QVERIFY2(scenarios.Failures().empty(), scenarios.Failures().c_str());
  }

  void Open(RandomSource& random) {
    form_ = std::make_unique<Form1>(random);
    window_ = std::make_unique<FormWindow>(*form_);
    driver_.emplace(*window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  // "slots" is empty to the compiler, so the check sees a second "private:", but it tells moc,
  // and so QTest, which functions are the tests.
  // NOLINTNEXTLINE(readability-redundant-access-specifiers)
 private slots:
  void init() { Open(random_); }

  void cleanup() {
    driver_.reset();
    window_.reset();
    form_.reset();
  }

  void startsWithTheDesignValues() { Run(&WindowScenarios::StartsWithTheDesignValues); }

  void aPasteOfAnyLengthIsKeptWhole() { Run(&WindowScenarios::APasteOfAnyLengthIsKeptWhole); }

  void startUpSizeShowsOnlyTheGeneratorsTopRows() {
    Run(&WindowScenarios::StartUpSizeShowsOnlyTheGeneratorsTopRows);
  }

  void looksAsDesigned() {
    const QColor pink(255, 192, 255);
    QCOMPARE(Edit(Control::Text6)->palette().color(QPalette::Base), pink);
    QCOMPARE(Edit(Control::Text7)->palette().color(QPalette::Base), pink);
    QVERIFY(Edit(Control::Text5)->palette().color(QPalette::Base) != pink);

    // The password boxes need a face with Japanese glyphs; the labels rely on the system's
    // fallback to one. A box takes its face once it has something to draw: the caret of the
    // focus, or a password.
    QVERIFY(!QFontDatabase::families(QFontDatabase::Japanese).isEmpty());
    Edit(Control::Text9)->setFocus();
    QCOMPARE(Edit(Control::Text9)->font().pointSize(), 12);
    ClickGenerate();
    for (const Control box : {Control::Text1, Control::Text9, Control::Text10}) {
      const QFont font = Edit(box)->font();
      QCOMPARE(font.pointSize(), 12);
      QCOMPARE(font.weight(), QFont::Normal);
      QVERIFY2(QFontDatabase::families(QFontDatabase::Japanese).contains(QFontInfo(font).family()),
               qPrintable(QFontInfo(font).family()));
    }
    QCOMPARE(Edit(Control::Text8)->font(), QApplication::font());
    QCOMPARE(Find<QLabel>(Control::Label13)->text(), QStringLiteral("桁"));

    // Each scroll bar is drawn above the label it overlaps.
    const QObjectList children = window_->children();
    QVERIFY(children.indexOf(Bar(Control::HScroll1)) >
            children.indexOf(Find<QLabel>(Control::Label13)));
    QVERIFY(children.indexOf(Bar(Control::HScroll2)) >
            children.indexOf(Find<QLabel>(Control::Label14)));
  }

  void everyControlHasANameToSpeak() {
    QCOMPARE(Edit(Control::Text2)->accessibleName(), QStringLiteral("預け入れ金額(万円)"));
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
    write(Edit(Control::Text11), QStringLiteral("5"));
    QCOMPARE(Bar(Control::HScroll2)->value(), 5);
    for (const auto& [box, text, before_tax, after_tax] : testing::kCalculatorKeystrokes) {
      write(Edit(box), QString::fromUtf8(text));
      QCOMPARE(Edit(Control::Text6)->text(), QString::fromUtf8(before_tax));
      QCOMPARE(Edit(Control::Text7)->text(), QString::fromUtf8(after_tax));
    }
  }

  void theButtonDrawsThreePasswordsFromTheChosenSet() {
    Run(&WindowScenarios::TheButtonDrawsThreePasswordsFromTheChosenSet);
  }

  void aLengthIsTypedKeyByKey() { Run(&WindowScenarios::ALengthIsTypedKeyByKey); }

  void scrollBarsAndLengthBoxesStayInStep() {
    Run(&WindowScenarios::ScrollBarsAndLengthBoxesStayInStep);
  }

  void theCalculatorFollowsEveryKey() { Run(&WindowScenarios::TheCalculatorFollowsEveryKey); }

  void tabVisitsEveryControlInTheDesignedOrder() {
    Run(&WindowScenarios::TabVisitsEveryControlInTheDesignedOrder);
  }

  void theOptionButtonsAreOneStopOnTheSelectedOne() {
    Run(&WindowScenarios::TheOptionButtonsAreOneStopOnTheSelectedOne);
  }

  void aFailingRandomSourceIsShownAndChangesNothing() {
    cleanup();
    testing::ScriptedRandom broken;
    Open(broken);
    ClickGenerate();
    auto* message = window_->findChild<QMessageBox*>();
    QVERIFY(message != nullptr);
    QVERIFY(message->isVisible());
    QVERIFY(Edit(Control::Text1)->text().isEmpty());
    QVERIFY(Edit(Control::Text9)->text().isEmpty());
    message->close();
  }
};

}  // namespace quillet::qt

QTEST_MAIN(quillet::qt::FormWindowTest)
#include "form_window_test.moc"
