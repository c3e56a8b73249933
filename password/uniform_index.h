// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

#include "password/random_source.h"

namespace quillet {

// A position from 0 to n - 1, each equally likely; nothing when the source fails. n must be > 0.
std::optional<std::uint32_t> UniformIndex(RandomSource& source, std::uint32_t n);

}  // namespace quillet
