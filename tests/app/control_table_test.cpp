// SPDX-License-Identifier: MIT

#include "app/control_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillet {
namespace {

bool TakesFocus(const ControlLayout& c) {
  return c.kind != ControlKind::Label;
}

TEST(ControlTable, HoldsEveryControlOnceWithItsOwnTabIndex) {
  std::set<Control> controls;
  std::set<int> tab_indexes;
  std::set<std::string_view> accessible_names;
  for (const ControlLayout& c : ControlTable()) {
    EXPECT_TRUE(controls.insert(c.control).second) << c.name;
    EXPECT_TRUE(tab_indexes.insert(c.tab_index).second) << c.name;
    if (TakesFocus(c)) {
      EXPECT_FALSE(c.accessible_name.empty()) << c.name;
      EXPECT_TRUE(accessible_names.insert(c.accessible_name).second) << c.name;
    }
  }
  EXPECT_EQ(controls.size(), 30U);
}

TEST(ControlTable, FocusCyclesInTheDesignedOrder) {
  std::vector<std::string> order;
  for (const ControlLayout* c : ControlsInTabOrder()) {
    if (TakesFocus(*c)) {
      order.emplace_back(c->name);
    }
  }
  // The two option buttons are one stop; Option1 comes first by index.
  const std::vector<std::string> expected = {
      "Command1", "Text1", "Option1",  "Option2", "Text2", "Text3",  "Text4",  "Text5",
      "Text6",    "Text7", "HScroll1", "Text8",   "Text9", "Text10", "Text11", "HScroll2"};
  EXPECT_EQ(order, expected);
}

TEST(ControlTable, StartUpSizeShowsOnlyTheGeneratorsTopRows) {
  const int visible_width = Form1Layout.start_outer_width - Form1Layout.frame_width;
  const int visible_height = Form1Layout.start_outer_height - Form1Layout.frame_height;
  const std::set<Control> shown = {Control::Command1, Control::Option2,  Control::Option1,
                                   Control::Text8,    Control::HScroll1, Control::Label13,
                                   Control::Text9,    Control::Text11,   Control::HScroll2,
                                   Control::Label14,  Control::Text10};
  for (const ControlLayout& c : ControlTable()) {
    if (shown.contains(c.control)) {
      EXPECT_LE(c.place.left + c.place.width, visible_width) << c.name;
      EXPECT_LE(c.place.top + c.place.height, visible_height) << c.name;
    } else {
      EXPECT_GE(c.place.top, visible_height) << c.name;
    }
  }
}

TEST(ControlTable, ScrollBarsStandOverTheRightOfTheirLabels) {
  for (const auto& [bar, label] : {std::pair{Control::HScroll1, Control::Label13},
                                   std::pair{Control::HScroll2, Control::Label14}}) {
    const TwipsRect b = LayoutOf(bar).place;
    const TwipsRect l = LayoutOf(label).place;
    EXPECT_GT(b.left, l.left);
    EXPECT_LT(b.left, l.left + l.width);
  }
}

}  // namespace
}  // namespace quillet
