// SPDX-License-Identifier: MIT

#pragma once

namespace quillet {

// Every control of the window, by the name the program knows it by.
enum class Control {
  Command1,
  Option1,
  Option2,
  Text1,
  Text2,
  Text3,
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11,
  HScroll1,
  HScroll2,
  Label1,
  Label2,
  Label3,
  Label4,
  Label5,
  Label6,
  Label7,
  Label8,
  Label9,
  Label10,
  Label11,
  Label12,
  Label13,
  Label14,
};

}  // namespace quillet
