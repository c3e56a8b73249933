// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace quillet {

inline constexpr std::string_view HexDigits = "0123456789ABCDEF";
inline constexpr std::string_view AlnumChars =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace quillet
