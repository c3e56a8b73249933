// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillet {

// The lengths the adjustable passwords may have.
inline constexpr std::int16_t kShortestPassword = 1;
inline constexpr std::int16_t kLongestPassword = 50;

// The length a text stands for, if a password may have it: the text read as a number and rounded
// half to even (so "2.5" is 2), from 1 to 50.
std::optional<std::int16_t> LengthFromText(std::string_view text);

}  // namespace quillet
