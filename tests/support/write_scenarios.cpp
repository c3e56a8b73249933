// SPDX-License-Identifier: MIT

// Writes the shared scenarios, with each control's kind and spoken name, as JSON for the tests
// written in Python: write_scenarios OUTPUT.json

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "app/control_table.h"
#include "support/scenarios.h"

namespace quillet::testing {
namespace {

// A control character would stay raw, which JSON readers refuse: no scenario holds one.
std::string Json(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  return quoted + '"';
}

std::string Json(int number) {
  return std::to_string(number);
}

std::string Json(Control control) {
  return Json(LayoutOf(control).name);
}

std::string Object(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
  std::string object;
  for (const auto& [key, value] : fields) {
    object += (object.empty() ? "{" : ", ") + Json(key) + ": " + value;
  }
  return object.empty() ? "{}" : object + "}";
}

// A row of a table as an array of its fields, in the order the C++ struct declares them.
template <typename First, typename... Rest>
std::string Row(const First& first, const Rest&... rest) {
  std::string row = "[" + Json(first);
  ((row += ", " + Json(rest)), ...);
  return row + "]";
}

std::string Json(const ControlLayout& c) {
  constexpr std::string_view kKinds[] = {"CommandButton", "OptionButton", "TextBox", "ScrollBar",
                                         "Label"};
  return Row(c.name, kKinds[static_cast<int>(c.kind)], c.accessible_name);
}

std::string Json(const BoxText& row) {
  return Row(row.box, row.text);
}

std::string Json(const BarValue& row) {
  return Row(row.bar, row.value);
}

std::string Json(const Generation& row) {
  return Row(row.option, row.length1_text, row.length2_text, row.length1, row.length2,
             row.characters);
}

std::string Json(const Keystroke& row) {
  return Row(row.box, row.text, row.before_tax, row.after_tax);
}

template <typename Range>
std::string List(const Range& items) {
  std::string list;
  for (const auto& item : items) {
    list += (list.empty() ? "[\n  " : ",\n  ") + Json(item);
  }
  return list.empty() ? "[]" : list + "]";
}

std::string Scenarios() {
  return Object({{"window_caption", Json(kWindowCaption)},
                 {"controls", List(ControlTable())},
                 {"start_up_texts", List(kStartUpTexts)},
                 {"start_up_values", List(kStartUpValues)},
                 {"start_up_option", Json(kStartUpOption)},
                 {"other_option", Json(kOtherOption)},
                 {"tab_stops", List(kTabStops)},
                 {"generations", List(kGenerations)},
                 {"calculator_keystrokes", List(kCalculatorKeystrokes)}});
}

}  // namespace
}  // namespace quillet::testing

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: write_scenarios OUTPUT.json\n", stderr);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << quillet::testing::Scenarios() << '\n';
  return out.good() ? 0 : 1;
}
