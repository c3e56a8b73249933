// SPDX-License-Identifier: MIT

#include "app/control_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "support/scenarios.h"

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
#define QUILLET_CONTROL(name, ...) Control::name,
  const std::set<Control> every_control{ENUMERATE_CONTROLS(QUILLET_CONTROL)};
#undef QUILLET_CONTROL
  EXPECT_EQ(controls, every_control);
}

TEST(ControlTable, FocusCyclesInTheDesignedOrder) {
  std::vector<Control> order;
  for (const ControlLayout* c : ControlsInTabOrder()) {
    if (TakesFocus(*c)) {
      order.push_back(c->control);
    }
  }
  // The two option buttons are one stop, on the selected one; Option1 comes just before it.
  const auto other = std::ranges::find(order, testing::kOtherOption);
  ASSERT_NE(other, order.end());
  EXPECT_EQ(*std::next(other), testing::kStartUpOption);
  order.erase(other);
  EXPECT_TRUE(std::ranges::equal(order, testing::kTabStops));
}

TEST(ControlTable, StartUpSizeShowsOnlyTheGeneratorsTopRows) {
  const int visible_width = Form1Layout.start_outer_width - Form1Layout.frame_width;
  const int visible_height = Form1Layout.start_outer_height - Form1Layout.frame_height;
  for (const ControlLayout& c : ControlTable()) {
    if (testing::ShownAtStartUp(c.control)) {
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
