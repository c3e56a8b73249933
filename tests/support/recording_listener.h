// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/form.h"

namespace quillet::testing {

// Records what the form reports, in order, by control name: {"HScroll1", "Text8", "Text1", …}.
class RecordingListener final : public FormListener {
 public:
  void ControlChanged(Control control) override { changes.emplace_back(LayoutOf(control).name); }
  void RandomSourceFailed() override { changes.emplace_back("random source failed"); }

  std::vector<std::string> changes;
};

}  // namespace quillet::testing
