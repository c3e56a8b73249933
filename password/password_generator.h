// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "password/random_source.h"

namespace quillet {

inline constexpr int kFixedPasswordLength = 30;

// `length` characters drawn independently and uniformly from `characters`; nothing when the
// random source fails.
std::optional<std::string> DrawPassword(RandomSource& source, std::string_view characters,
                                        int length);

// What one press of the generate button draws.
struct Passwords {
  std::string fixed;   // 30 characters
  std::string first;   // as long as the first length says
  std::string second;  // as long as the second length says
};

// The three passwords, drawn in that order from `characters`; a length of 0 gives an empty one.
// Nothing when the random source fails, and what was drawn by then is wiped.
std::optional<Passwords> DrawPasswords(RandomSource& source, std::string_view characters,
                                       int first_length, int second_length);

}  // namespace quillet
