// SPDX-License-Identifier: MIT

#pragma once

#include "app/control.h"

namespace quillet {

class Form1;

// The routing of the window's events to the procedures that answer them. Events of controls
// without a procedure (the option buttons, the output boxes, the labels) are dropped here.
void RunChangeProcedure(Form1& form, Control control);
void RunClickProcedure(Form1& form, Control control);
void RunLoadProcedure(Form1& form);

}  // namespace quillet
