// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>

namespace quillet::qt {

// Makes assistive technology hear of the box's focus before its caret and selection. Qt 6.4
// reports the caret and selection a box takes as it gains the focus first, and the focus after;
// Orca then moves to the box silently on the caret and takes the focus for one it already has,
// so a screen reader user tabbing into the box hears nothing.
void ReportFocusBeforeCaret(QLineEdit* box);

}  // namespace quillet::qt
