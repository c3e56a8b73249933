// SPDX-License-Identifier: MIT

#pragma once

namespace quillet {

class Form1;

// The start-up sequence, run by the load event before the window is first shown: each length
// scroll bar takes the length its box holds. The window's start-up size is the binding's part; the
// system random source needs no seeding.
void Form_Load(Form1& form);

}  // namespace quillet
