// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

#include "password/system_random.h"
#include "ui/qt/form_window.h"

namespace quillet::qt {
namespace {

constexpr int kReadLimitMilliseconds = 10000;
// The marks clipboard histories read, with their values.
const std::pair<QString, QByteArray> kMarks[] = {
    {QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret")},
    {QStringLiteral("application/x-copyq-hidden"), QByteArrayLiteral("1")},
};

// What another program reads from an X selection, as a clipboard manager does. The window owns
// the selection and answers while the test waits for the reader.
QByteArray ReadSelection(const QString& selection, const QString& target) {
  QProcess xclip;
  QSignalSpy finished(&xclip, &QProcess::finished);
  xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), selection,
                                        QStringLiteral("-o"), QStringLiteral("-t"), target});
  if (!finished.wait(kReadLimitMilliseconds) || xclip.exitCode() != 0) {
    return {};
  }
  return xclip.readAllStandardOutput();
}

// The menu's untranslated captions, with their shortcuts after a tab.
void TriggerMenuAction(QLineEdit* edit, const QString& caption) {
  QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                          edit->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(edit, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu != nullptr);
  const QList<QAction*> actions = menu->actions();
  const auto found = std::ranges::find_if(actions, [&caption](const QAction* action) {
    return action->text().section(QLatin1Char('\t'), 0, 0) == caption;
  });
  QVERIFY(found != actions.end());
  (*found)->trigger();
  menu->close();
}

using CopyPath = std::function<void(QLineEdit*)>;

}  // namespace

// A copied password must not stay in clipboard histories: on a real X server, what the window
// puts on the clipboard and the primary selection is read back from another process.
class ClipboardTest : public QObject {
  Q_OBJECT

  SystemRandom random_;
  std::unique_ptr<Form1> form_;
  std::unique_ptr<FormWindow> window_;

  // NOLINTNEXTLINE(readability-redundant-access-specifiers)
 private slots:
  void init() {
    form_ = std::make_unique<Form1>(random_);
    window_ = std::make_unique<FormWindow>(*form_);
    window_->resize(window_->childrenRect().size());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  }

  void cleanup() {
    window_.reset();
    form_.reset();
  }

  void copiesArePasswordManagerSecrets_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<CopyPath>("copy");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("marked");

    const CopyPath select_all_then = [](QLineEdit* edit) { edit->selectAll(); };
    auto keys = [select_all_then](Qt::Key key, Qt::KeyboardModifiers modifiers) {
      return CopyPath([select_all_then, key, modifiers](QLineEdit* edit) {
        select_all_then(edit);
        QTest::keyClick(edit, key, modifiers);
      });
    };
    auto menu = [select_all_then](const QString& action) {
      return CopyPath([select_all_then, action](QLineEdit* edit) {
        select_all_then(edit);
        TriggerMenuAction(edit, action);
      });
    };
    const CopyPath double_click = [](QLineEdit* edit) {
      QTest::mouseDClick(edit, Qt::LeftButton);
      QTest::mouseRelease(edit, Qt::LeftButton);
    };
    const CopyPath shift_home = [](QLineEdit* edit) {
      edit->end(false);
      QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    };
    const QString clipboard = QStringLiteral("clipboard");
    const QString primary = QStringLiteral("primary");

    QTest::newRow("Ctrl+C") << "Text9" << keys(Qt::Key_C, Qt::ControlModifier) << clipboard << true;
    QTest::newRow("Ctrl+Insert") << "Text1" << keys(Qt::Key_Insert, Qt::ControlModifier)
                                 << clipboard << true;
    QTest::newRow("Ctrl+X") << "Text10" << keys(Qt::Key_X, Qt::ControlModifier) << clipboard
                            << true;
    QTest::newRow("Shift+Delete") << "Text9" << keys(Qt::Key_Delete, Qt::ShiftModifier) << clipboard
                                  << true;
    QTest::newRow("menu copy") << "Text10" << menu(QStringLiteral("&Copy")) << clipboard << true;
    QTest::newRow("menu cut") << "Text1" << menu(QStringLiteral("Cu&t")) << clipboard << true;
    QTest::newRow("double click") << "Text9" << double_click << primary << true;
    QTest::newRow("Shift+Home") << "Text10" << shift_home << primary << true;
    QTest::newRow("other box, Ctrl+C")
        << "Text8" << keys(Qt::Key_C, Qt::ControlModifier) << clipboard << false;
    QTest::newRow("other box, double click") << "Text8" << double_click << primary << false;
  }

  void copiesArePasswordManagerSecrets() {
    QFETCH(QString, box);
    QFETCH(CopyPath, copy);
    QFETCH(QString, selection);
    QFETCH(bool, marked);
    auto* edit = window_->findChild<QLineEdit*>(box);
    const QString text = edit->text();
    QVERIFY(!text.isEmpty());

    copy(edit);

    QCOMPARE(QString::fromUtf8(ReadSelection(selection, QStringLiteral("UTF8_STRING"))), text);
    const QList<QByteArray> targets =
        ReadSelection(selection, QStringLiteral("TARGETS")).split('\n');
    for (const auto& [mark, value] : kMarks) {
      QCOMPARE(targets.contains(mark.toLatin1()), marked);
      if (marked) {
        QCOMPARE(ReadSelection(selection, mark), value);
      }
    }
  }

  void pastingStillWorks() {
    auto* password = window_->findChild<QLineEdit*>(QStringLiteral("Text9"));
    auto* amount = window_->findChild<QLineEdit*>(QStringLiteral("Text2"));
    password->setText(QStringLiteral("123"));
    password->selectAll();
    QTest::keyClick(password, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(amount->text(), QStringLiteral("123"));
  }
};

}  // namespace quillet::qt

QTEST_MAIN(quillet::qt::ClipboardTest)
#include "clipboard_test.moc"
