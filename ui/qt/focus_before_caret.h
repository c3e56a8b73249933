// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>

namespace quillet::qt {

// Makes assistive technology hear of the box's focus before its caret and selection. Qt reports
// the caret and selection a box takes as it gains the focus first, and the focus after; Orca then
// moves to the box silently on the caret and takes the focus for one it already has, so a screen
// reader user tabbing into the box hears nothing. Seen with Qt 6.4 and Orca 42 (Debian 12) and
// still with Qt 6.8 and Orca 48 (Debian 13), where the screen-reader test fails at every box
// without it: it applies to every Qt version until one is seen to report in the right order.
void ReportFocusBeforeCaret(QLineEdit* box);

}  // namespace quillet::qt
