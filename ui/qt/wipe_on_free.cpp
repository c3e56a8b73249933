// SPDX-License-Identifier: MIT

// Every block the process frees is wiped first, whoever made it: Qt's copies of a password (the
// box's old text, its layout's, the accessibility bridge's, a conversion's) go back to the C
// library's allocator, which would otherwise hand them on, readable, until the block is reused.
// The program's own free and realloc stand before the C library's for every library in the
// process; both hand on to the C library's allocator, which keeps allocating as before.

#include <malloc.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

// The C library's header names the parameters with names reserved to it.
// NOLINTBEGIN(readability-inconsistent-declaration-parameter-name)
extern "C" {

// The C library's own allocator, by the names it also exports it under.
void __libc_free(void* block);     // NOLINT(bugprone-reserved-identifier)
void* __libc_malloc(size_t size);  // NOLINT(bugprone-reserved-identifier)

void free(void* block) noexcept {
  if (block != nullptr) {
    explicit_bzero(block, malloc_usable_size(block));
  }
  __libc_free(block);
}

// The C library's realloc frees a block it moves inside itself, past the free above: a block that
// must grow is moved here instead. One that shrinks stays as it is, its tail wiped when it is
// freed.
void* realloc(void* block, size_t size) noexcept {
  if (block == nullptr) {
    return __libc_malloc(size);
  }
  if (size == 0) {
    free(block);
    return nullptr;
  }
  const size_t usable = malloc_usable_size(block);
  if (size <= usable) {
    return block;
  }
  void* moved = __libc_malloc(size);
  if (moved != nullptr) {
    std::memcpy(moved, block, usable);
    free(block);
  }
  return moved;
}

void* reallocarray(void* block, size_t count, size_t size) noexcept {
  size_t total = 0;
  if (__builtin_mul_overflow(count, size, &total)) {
    errno = ENOMEM;
    return nullptr;
  }
  return realloc(block, total);
}

}  // extern "C"
// NOLINTEND(readability-inconsistent-declaration-parameter-name)
