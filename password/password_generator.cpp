// SPDX-License-Identifier: MIT

#include "password/password_generator.h"

#include <algorithm>

#include "password/uniform_index.h"
#include "password/wipe.h"

namespace quillet {

std::optional<std::string> DrawPassword(RandomSource& source, std::string_view characters,
                                        int length) {
  std::string password;
  // On the heap even when short: moving it then hands its buffer on, where a short string's move
  // would copy its characters and leave them behind in the string moved from.
  password.reserve(
      std::max(static_cast<std::size_t>(std::max(length, 0)), password.capacity() + 1));
  for (int i = 0; i < length; ++i) {
    const auto position = UniformIndex(source, static_cast<std::uint32_t>(characters.size()));
    if (!position) {
      Wipe(password);
      return std::nullopt;
    }
    password.push_back(characters[*position]);
  }
  return password;
}

std::optional<Passwords> DrawPasswords(RandomSource& source, std::string_view characters,
                                       int first_length, int second_length) {
  auto fixed = DrawPassword(source, characters, kFixedPasswordLength);
  auto first = fixed ? DrawPassword(source, characters, first_length) : std::nullopt;
  auto second = first ? DrawPassword(source, characters, second_length) : std::nullopt;
  if (!second) {
    // The passwords already drawn are abandoned: none of them stays in memory.
    for (auto* drawn : {&fixed, &first}) {
      if (*drawn) {
        Wipe(**drawn);
      }
    }
    return std::nullopt;
  }
  return Passwords{std::move(*fixed), std::move(*first), std::move(*second)};
}

}  // namespace quillet
