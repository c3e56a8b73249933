// SPDX-License-Identifier: MIT

#include "password/wipe.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstring>
#endif

namespace quillet {

void Wipe(void* bytes, std::size_t size) {
#if defined(_WIN32)
  SecureZeroMemory(bytes, size);
#else
  explicit_bzero(bytes, size);
#endif
}

}  // namespace quillet
