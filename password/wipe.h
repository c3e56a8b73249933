// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>

namespace quillet {

// Overwrites memory that held randomness or a password with zeros, in a way the optimiser may not
// leave out as a store nobody reads.
void Wipe(void* bytes, std::size_t size);

// Wipes every byte a text's storage holds and leaves it empty. The bytes past its end count too:
// a short text written over a longer one in place leaves the longer one's tail there.
template <typename Char>
void Wipe(std::basic_string<Char>& text) {
  text.resize(text.capacity());
  Wipe(text.data(), text.size() * sizeof(Char));
  text.clear();
}

}  // namespace quillet
