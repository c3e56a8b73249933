// SPDX-License-Identifier: MIT

// Writes the shared scenarios, with each control's name, kind and spoken name, as JSON for the
// tests written in Python: write_scenarios OUTPUT.json. A table's row becomes an array of its
// fields, in the order its struct declares them.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <string_view>
#include <utility>

#include "app/control_table.h"
#include "support/scenarios.h"

namespace quillet::testing {
namespace {

QJsonValue Json(std::string_view text) {
  return QString::fromUtf8(text);
}

QJsonValue Json(int number) {
  return number;
}

QJsonValue Json(Control control) {
  return Json(LayoutOf(control).name);
}

QJsonValue Json(const ControlLayout& c) {
  constexpr std::string_view kKinds[] = {"CommandButton", "OptionButton", "TextBox", "ScrollBar",
                                         "Label"};
  return QJsonArray{Json(c.name), Json(kKinds[static_cast<int>(c.kind)]), Json(c.accessible_name)};
}

template <typename First, typename Second>
QJsonValue Json(const std::pair<First, Second>& row) {
  return QJsonArray{Json(row.first), Json(row.second)};
}

QJsonValue Json(const Generation& row) {
  return QJsonArray{Json(row.option),  Json(row.length1_text), Json(row.length2_text),
                    Json(row.length1), Json(row.length2),      Json(row.characters)};
}

QJsonValue Json(const Keystroke& row) {
  return QJsonArray{Json(row.box), Json(row.text), Json(row.before_tax), Json(row.after_tax)};
}

template <typename Range>
QJsonValue List(const Range& rows) {
  QJsonArray list;
  for (const auto& row : rows) {
    list.append(Json(row));
  }
  return list;
}

QJsonObject Scenarios() {
  return {{"window_caption", Json(kWindowCaption)},
          {"controls", List(ControlTable())},
          {"start_up_texts", List(kStartUpTexts)},
          {"start_up_values", List(kStartUpValues)},
          {"start_up_option", Json(kStartUpOption)},
          {"other_option", Json(kOtherOption)},
          {"tab_stops", List(kTabStops)},
          {"generations", List(kGenerations)},
          {"calculator_keystrokes", List(kCalculatorKeystrokes)}};
}

}  // namespace
}  // namespace quillet::testing

int main(int argc, char** argv) {
  QFile out(argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString());
  if (argc != 2 || !out.open(QIODevice::WriteOnly)) {
    std::fputs("usage: write_scenarios OUTPUT.json\n", stderr);
    return 2;
  }
  const QByteArray json = QJsonDocument(quillet::testing::Scenarios()).toJson();
  return out.write(json) == json.size() && out.flush() ? 0 : 1;
}
