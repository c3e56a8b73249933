// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillet {

class Form1;

// The length a length box's text stands for, if its scroll bar can show it: the text read as a
// number and rounded half to even (so "2.5" is 2), from 1 to 50.
std::optional<std::int16_t> LengthFromText(std::string_view text);

// A moved scroll bar writes its value into its length box and, when its row already shows a
// password, draws all three passwords again.
void HScroll1_Change(Form1& form);
void HScroll2_Change(Form1& form);

// An edited length box moves its scroll bar to the length it now holds. A text that holds no
// such length leaves the scroll bar where it is, and the box keeps what the user typed.
void Text8_Change(Form1& form);
void Text11_Change(Form1& form);

}  // namespace quillet
