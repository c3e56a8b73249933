// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "password/random_source.h"

namespace quillet {

class Form1;

inline constexpr int kFixedPasswordLength = 30;

// `length` characters drawn independently and uniformly from `characters`; nothing when the
// random source fails.
std::optional<std::string> DrawPassword(RandomSource& source, std::string_view characters,
                                        int length);

// The generate button: three passwords from the chosen character set, 30 characters into Text1
// and as many as the length boxes say into Text9 and Text10, drawn in that order. A length box
// that holds no length the scroll bar could show gives its row an empty password. If the random
// source fails, no box changes and the failure is reported instead.
void Command1_Click(Form1& form);

}  // namespace quillet
