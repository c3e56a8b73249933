// SPDX-License-Identifier: MIT

#pragma once

namespace quillet {

class Form1;

// The generate button: three passwords from the chosen character set, 30 characters into Text1
// and as many as the length boxes say into Text9 and Text10, drawn in that order. A length box
// that holds no length the scroll bar could show gives its row an empty password. If the random
// source fails, no box changes and the failure is reported instead.
void Command1_Click(Form1& form);

// A moved scroll bar writes its value into its length box and, when its row already shows a
// password, draws all three passwords again.
void HScroll1_Change(Form1& form);
void HScroll2_Change(Form1& form);

// An edited length box moves its scroll bar to the length it now holds. A text that holds no
// such length leaves the scroll bar where it is, and the box keeps what the user typed.
void Text8_Change(Form1& form);
void Text11_Change(Form1& form);

}  // namespace quillet
