// SPDX-License-Identifier: MIT

// Every block the process frees is wiped first, whoever made it: Qt's copies of a password (the
// box's old text, its layout's, the accessibility bridge's, a conversion's) go back to the C
// library's allocator, which would otherwise hand them on, readable, until the block is reused.
// The program's own free and realloc stand before the C library's for every library in the
// process. They wipe only what the GNU C library's allocator would keep, and leave it every check
// it makes; under any other allocator, or a tool that watches the allocator, they step aside.

#include <dlfcn.h>
#include <malloc.h>
#include <sched.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The C library's header names the parameters with names reserved to it.
// NOLINTBEGIN(readability-inconsistent-declaration-parameter-name)
extern "C" {

// The C library's own allocator, by the names it also exports it under.
void __libc_free(void* block);                   // NOLINT(bugprone-reserved-identifier)
void* __libc_malloc(size_t size);                // NOLINT(bugprone-reserved-identifier)
void* __libc_realloc(void* block, size_t size);  // NOLINT(bugprone-reserved-identifier)

}  // extern "C"

namespace {

using Word = std::uintptr_t;
using FreeFunction = void (*)(void*);
using ReallocFunction = void* (*)(void*, size_t);

// The allocator's word before each block: the size of the block with its header, its three low
// bits flags. A block of its own mapping goes back to the kernel when freed: nobody reads it then.
constexpr Word kFlagBits = 0x7;
constexpr Word kMappedOnItsOwn = 0x2;
constexpr Word kAlignment = alignof(std::max_align_t);
constexpr Word kSmallestBlock = 4 * sizeof(Word);

struct Allocator {
  bool wipes = false;
  // The key the allocator writes into a block's second word when its thread keeps it for reuse;
  // 0 where it keeps none.
  Word cache_key = 0;
  FreeFunction free = nullptr;
  ReallocFunction realloc = nullptr;
};

enum class Choice { NotYet, Choosing, Made };

Allocator allocator;
std::atomic<Choice> choice{Choice::NotYet};
thread_local bool choosing_here = false;

// Valgrind's tools stand in the C library's place without changing its names, and preload their
// core to do so.
bool UnderValgrind() {
  const char* preloaded = std::getenv("LD_PRELOAD");
  return preloaded != nullptr && std::strstr(preloaded, "/vgpreload_core") != nullptr;
}

// A preloaded allocator or allocator tool stands before the C library's malloc.
bool IsTheCLibrarys(const Allocator& next) {
  return next.free == &__libc_free && next.realloc == &__libc_realloc &&
         reinterpret_cast<void*>(&malloc) == reinterpret_cast<void*>(&__libc_malloc) &&
         !UnderValgrind();
}

// A block freed into the thread's cache takes the key: one freed with its second word cleared
// shows it there. Read once the block is free, before anything can take it again.
Word LearnCacheKey() {
  auto* words = static_cast<Word*>(__libc_malloc(2 * sizeof(Word)));
  if (words == nullptr) {
    return 0;
  }
  words[1] = 0;
  const volatile Word* freed = words;
  __libc_free(words);
  return freed[1];
}

// The next definition after the program's own: a preloaded allocator's, or the C library's. The C
// library's malloc-debug library gives its names only under the C library's version, which a
// look-up without a version passes over; one with it passes over names given without one.
template <typename Function>
Function Next(const char* name, Function c_librarys) {
  void* found = dlsym(RTLD_NEXT, name);
  if (found == reinterpret_cast<void*>(c_librarys)) {
    if (void* versioned = dlvsym(RTLD_NEXT, name, QUILLET_ALLOCATOR_VERSION)) {
      found = versioned;
    }
  }
  return reinterpret_cast<Function>(found);
}

Allocator Choose() {
  Allocator chosen;
  chosen.free = Next<FreeFunction>("free", &__libc_free);
  chosen.realloc = Next<ReallocFunction>("realloc", &__libc_realloc);
  chosen.wipes = IsTheCLibrarys(chosen);
  if (chosen.wipes) {
    chosen.cache_key = LearnCacheKey();
  }
  return chosen;
}

// Chosen at the first free or realloc, while the process is starting. Whatever the loader frees
// while it looks the allocator up is left as it is: which allocator made it is not known yet.
const Allocator* Chosen() {
  if (choice.load(std::memory_order_acquire) == Choice::Made) {
    return &allocator;
  }
  if (choosing_here) {
    return nullptr;
  }
  Choice expected = Choice::NotYet;
  if (choice.compare_exchange_strong(expected, Choice::Choosing, std::memory_order_acquire)) {
    choosing_here = true;
    allocator = Choose();
    choosing_here = false;
    choice.store(Choice::Made, std::memory_order_release);
  }
  while (choice.load(std::memory_order_acquire) != Choice::Made) {
    sched_yield();
  }
  return &allocator;
}

// A block the C library would refuse as not its own, or one of its own mapping, is handed on
// untouched: the C library then reports it, or unmaps it.
bool IsHeapBlock(const void* block) {
  const auto address = reinterpret_cast<Word>(block);
  if (address % kAlignment != 0) {
    return false;
  }
  const Word header = static_cast<const Word*>(block)[-1];
  const Word size = header & ~kFlagBits;
  return (header & kMappedOnItsOwn) == 0 && size >= kSmallestBlock && size % kAlignment == 0 &&
         address <= ~size;
}

// A block whose second word holds the cache key is in a thread's cache already, barring a chance
// of one in 2^64: the C library finds it there and reports the double free. The key is no secret
// of the block's, so every other word is wiped.
void WipeBeforeFree(void* block, Word cache_key) {
  if (!IsHeapBlock(block)) {
    return;
  }
  const std::size_t usable = malloc_usable_size(block);
  auto* words = static_cast<Word*>(block);
  if (cache_key != 0 && usable >= 2 * sizeof(Word) && words[1] == cache_key) {
    explicit_bzero(words, sizeof(Word));
    explicit_bzero(words + 2, usable - 2 * sizeof(Word));
    return;
  }
  explicit_bzero(block, usable);
}

}  // namespace

extern "C" {

void free(void* block) noexcept {
  if (block == nullptr) {
    return;
  }
  const Allocator* chosen = Chosen();
  if (chosen == nullptr) {
    return;
  }
  if (!chosen->wipes) {
    chosen->free(block);
    return;
  }
  WipeBeforeFree(block, chosen->cache_key);
  __libc_free(block);
}

// The C library's realloc frees a block it moves inside itself, past the free above: a heap block
// that must grow is moved here instead. One that shrinks has the tail it gives up wiped first. A
// block of its own mapping is remapped, not copied, and left to the C library.
void* realloc(void* block, size_t size) noexcept {
  const Allocator* chosen = Chosen();
  if (chosen == nullptr) {
    errno = ENOMEM;
    return nullptr;
  }
  if (!chosen->wipes) {
    return chosen->realloc(block, size);
  }
  if (block == nullptr) {
    return __libc_malloc(size);
  }
  if (size == 0) {
    free(block);
    return nullptr;
  }
  if (!IsHeapBlock(block)) {
    return __libc_realloc(block, size);
  }
  const size_t usable = malloc_usable_size(block);
  if (size <= usable) {
    explicit_bzero(static_cast<unsigned char*>(block) + size, usable - size);
    return __libc_realloc(block, size);
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
