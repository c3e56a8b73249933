// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>

namespace quillet {

// Overwrites memory that held randomness or a password with zeros, in a way the optimiser may not
// leave out as a store nobody reads.
void Wipe(void* bytes, std::size_t size);

// Wipes the characters a text holds; the text keeps its length.
inline void Wipe(std::string& text) {
  Wipe(text.data(), text.size());
}

}  // namespace quillet
