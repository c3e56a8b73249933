// SPDX-License-Identifier: MIT

#include "app/text_selection.h"

#include <algorithm>

namespace quillet {

TextSelection SelectionAfterRewrite(TextSelection before, std::size_t old_length,
                                    std::size_t new_length) {
  const auto moved = [&](std::size_t offset) {
    const std::size_t from_end = old_length - std::min(offset, old_length);
    return new_length - std::min(from_end, new_length);
  };
  return {moved(before.start), moved(before.end)};
}

}  // namespace quillet
