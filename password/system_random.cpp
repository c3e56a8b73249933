// SPDX-License-Identifier: MIT

#include <cstring>
#include <span>

#include "password/random_source.h"

#if defined(_WIN32)
#include <windows.h>
// windows.h first: bcrypt.h needs its types.
#include <bcrypt.h>
#elif defined(__linux__)
#include <sys/random.h>

#include <cerrno>
#else
#include <stdlib.h>
#endif

namespace quillet {
namespace {

bool FillFromSystem(std::span<std::byte> bytes) {
#if defined(_WIN32)
  return BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(bytes.data()),
                                        static_cast<ULONG>(bytes.size()),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG));
#elif defined(__linux__)
  while (!bytes.empty()) {
    const ssize_t got = getrandom(bytes.data(), bytes.size(), 0);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(got));
  }
  return true;
#else
  arc4random_buf(bytes.data(), bytes.size());
  return true;
#endif
}

}  // namespace

std::optional<std::uint32_t> SystemRandom::Next32() {
  if (next_ == buffer_.size()) {
    if (!FillFromSystem(std::as_writable_bytes(std::span(buffer_)))) {
      return std::nullopt;
    }
    next_ = 0;
  }
  const std::uint32_t value = buffer_[next_];
  buffer_[next_++] = 0;
  return value;
}

}  // namespace quillet
