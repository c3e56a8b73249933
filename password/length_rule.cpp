// SPDX-License-Identifier: MIT

#include "password/length_rule.h"

#include "convert/text_number.h"

namespace quillet {

std::optional<std::int16_t> LengthFromText(std::string_view text) {
  const auto length = TextToShort(text);
  if (!length || *length < kShortestPassword || *length > kLongestPassword) {
    return std::nullopt;
  }
  return length;
}

}  // namespace quillet
