// SPDX-License-Identifier: MIT

#include "password/system_random.h"

#include "password/wipe.h"

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

bool FillFromSystem(std::span<std::byte> bytes) {
#if defined(_WIN32)
  // bcrypt.dll is not one of Windows' KnownDLLs: imported, it would be looked for in the
  // program's own folder first, where a planted copy would hand out chosen "random" bytes.
  static auto* const gen_random =
      reinterpret_cast<decltype(BCryptGenRandom)*>(reinterpret_cast<void (*)()>(
          GetProcAddress(LoadLibraryExW(L"bcrypt.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32),
                         "BCryptGenRandom")));
  return gen_random != nullptr &&
         BCRYPT_SUCCESS(gen_random(nullptr, reinterpret_cast<PUCHAR>(bytes.data()),
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

std::optional<std::uint32_t> SystemRandom::Next32() {
  std::uint32_t drawn = 0;
  const bool filled = fill_(std::as_writable_bytes(std::span(&drawn, 1)));
  const std::uint32_t value = drawn;
  Wipe(&drawn, sizeof drawn);
  if (!filled) {
    return std::nullopt;
  }
  return value;
}

}  // namespace quillet
