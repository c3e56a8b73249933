// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

namespace quillet {

// A box's selection, in the box's own units of text: from where it was started to the caret, so
// that start may lie after end; the caret alone when they are equal.
struct TextSelection {
  std::size_t start = 0;
  std::size_t end = 0;
};

// Where the caret and the selection go when the program rewrites a box's text (a typed "03"
// becomes "3"): they keep their distance from the end of the text, where the user was typing, so
// that the next key lands after what they typed.
TextSelection SelectionAfterRewrite(TextSelection before, std::size_t old_length,
                                    std::size_t new_length);

}  // namespace quillet
