// SPDX-License-Identifier: MIT

// Writes the shared scenarios, with each control's name, kind and spoken name, as JSON on its
// standard output, for the tests written in Python. A table's row becomes an array of its fields,
// in the order its struct declares them. Plain C++, so that the Windows edition's tests, which run
// it under Wine, have the same scenarios.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "app/control_table.h"
#include "support/scenarios.h"

namespace quillet::testing {
namespace {

// UTF-8 goes out as it is; only what JSON reserves is escaped.
std::string Json(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
    }
    if (static_cast<unsigned char>(c) < 0x20) {
      std::array<char, 7> escaped{};
      std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
      json += escaped.data();
    } else {
      json += c;
    }
  }
  return json + "\"";
}

std::string Json(int number) {
  return std::to_string(number);
}

std::string Json(Control control) {
  return Json(NameOf(control));
}

std::string Array(std::initializer_list<std::string> items) {
  std::string json = "[";
  for (const std::string& item : items) {
    json += (json.size() > 1 ? ", " : "") + item;
  }
  return json + "]";
}

std::string Json(const ControlLayout& c) {
  constexpr std::string_view kKinds[] = {"CommandButton", "OptionButton", "TextBox", "ScrollBar",
                                         "Label"};
  return Array({Json(c.name), Json(kKinds[static_cast<int>(c.kind)]), Json(c.accessible_name)});
}

template <typename First, typename Second>
std::string Json(const std::pair<First, Second>& row) {
  return Array({Json(row.first), Json(row.second)});
}

std::string Json(const Generation& row) {
  return Array({Json(row.option), Json(row.length1_text), Json(row.length2_text), Json(row.length1),
                Json(row.length2), Json(row.characters)});
}

std::string Json(const Keystroke& row) {
  return Array({Json(row.box), Json(row.text), Json(row.before_tax), Json(row.after_tax)});
}

template <typename Range>
std::string List(const Range& rows) {
  std::string json = "[";
  for (const auto& row : rows) {
    json += (json.size() > 1 ? ",\n  " : "\n  ") + Json(row);
  }
  return json + "]";
}

std::string Scenarios() {
  return "{\"window_caption\": " + Json(kWindowCaption) +
         ",\n\"controls\": " + List(ControlTable()) +
         ",\n\"start_up_texts\": " + List(kStartUpTexts) +
         ",\n\"start_up_values\": " + List(kStartUpValues) +
         ",\n\"start_up_option\": " + Json(kStartUpOption) +
         ",\n\"other_option\": " + Json(kOtherOption) + ",\n\"tab_stops\": " + List(kTabStops) +
         ",\n\"generations\": " + List(kGenerations) +
         ",\n\"calculator_keystrokes\": " + List(kCalculatorKeystrokes) + "}\n";
}

}  // namespace
}  // namespace quillet::testing

int main() {
  const std::string json = quillet::testing::Scenarios();
  return std::fwrite(json.data(), 1, json.size(), stdout) == json.size() && std::fflush(stdout) == 0
             ? 0
             : 1;
}
