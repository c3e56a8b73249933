// SPDX-License-Identifier: MIT

#include "ui/qt/widget_factory.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <limits>

#include "app/form_state.h"
#include "ui/qt/focus_before_caret.h"
#include "ui/qt/secret_line_edit.h"

namespace quillet::qt {
namespace {

QWidget* CreateScrollBar(QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  // The range comes before any connection: setting it moves the value and emits a change.
  bar->setRange(kScrollMinimum, kScrollMaximum);
  bar->setSingleStep(kScrollStep);
  bar->setPageStep(kScrollStep);
  // A dragged thumb changes the value once, on release.
  bar->setTracking(false);
  // QScrollBar inverts its keys by default, which makes the Right key decrease the value.
  bar->setInvertedControls(false);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

// The password face is a font file of its own, and opening it costs a fifth of what the window
// needs beyond the least a Qt window that draws text does. The boxes are empty at start-up: each
// takes the face when it first has a text or a caret to draw.
class PasswordFontOnFirstUse final : public QObject {
 public:
  explicit PasswordFontOnFirstUse(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &PasswordFontOnFirstUse::Apply);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      Apply();
    }
    return false;
  }

 private:
  void Apply() {
    box_->setFont(PasswordQFont());
    box_->removeEventFilter(this);
    disconnect(box_, nullptr, this, nullptr);
    deleteLater();
  }

  QLineEdit* box_;
};

QWidget* CreateBareWidget(const ControlLayout& layout, QWidget* parent) {
  switch (layout.kind) {
    case ControlKind::CommandButton:
      return new QPushButton(ToQString(layout.caption), parent);
    case ControlKind::OptionButton:
      return new QRadioButton(ToQString(layout.caption), parent);
    case ControlKind::TextBox: {
      QLineEdit* box = layout.secret ? new SecretLineEdit(parent) : new QLineEdit(parent);
      // QLineEdit would cut a longer paste at 32,767 characters, silently.
      box->setMaxLength(std::numeric_limits<int>::max());
      ReportFocusBeforeCaret(box);
      return box;
    }
    case ControlKind::ScrollBar:
      return CreateScrollBar(parent);
    case ControlKind::Label:
      return new QLabel(ToQString(layout.caption), parent);
  }
  return nullptr;
}

}  // namespace

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont PasswordQFont() {
  QFont font;
  font.setFamilies({ToQString(PasswordFont.face), QStringLiteral("IPAPGothic"),
                    QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPointSize(PasswordFont.points);
  font.setWeight(static_cast<QFont::Weight>(PasswordFont.weight));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void PlaceWidget(QWidget* widget, const ControlLayout& layout, double layout_scale) {
  const TwipsRect& place = layout.place;
  widget->setGeometry(
      TwipsToPixels(place.left, layout_scale), TwipsToPixels(place.top, layout_scale),
      TwipsToPixels(place.width, layout_scale), TwipsToPixels(place.height, layout_scale));
}

QWidget* CreateWidget(const ControlLayout& layout, double layout_scale, QWidget* parent) {
  QWidget* widget = CreateBareWidget(layout, parent);
  widget->setObjectName(ToQString(layout.name));
  PlaceWidget(widget, layout, layout_scale);
  if (!layout.accessible_name.empty()) {
    widget->setAccessibleName(ToQString(layout.accessible_name));
  }
  if (auto* box = qobject_cast<QLineEdit*>(widget); box != nullptr && layout.password_font) {
    new PasswordFontOnFirstUse(box);
  }
  if (layout.colours) {
    const auto colour = [](Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); };
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour(layout.colours->background));
    palette.setColor(QPalette::Text, colour(layout.colours->text));
    widget->setPalette(palette);
  }
  return widget;
}

}  // namespace quillet::qt
