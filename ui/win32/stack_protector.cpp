// SPDX-License-Identifier: MIT
// The stack protector's guard and what a broken one does, in place of GCC's libssp. libssp seeds
// the guard from advapi32's CryptGenRandom, and importing advapi32 had Wine load it, and the
// bcrypt.dll it imports, searching the program's own folder first. The guard comes from the
// system's generator instead, loaded from the system folder only.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <span>

#include "password/system_random.h"

extern "C" {

// The names GCC's generated code refers to.
std::uintptr_t __stack_chk_guard = 0;  // NOLINT(bugprone-reserved-identifier)

// An overwritten return address must never be followed: the process ends at once, with no
// handler of its own run, as /GS ends it.
[[noreturn]] void __stack_chk_fail() {  // NOLINT(bugprone-reserved-identifier)
  RaiseFailFastException(nullptr, nullptr, 0);
  std::abort();  // where fail-fast is missing
}
}

namespace {

// Where the system's generator fails, what Microsoft's compiler seeds its /GS cookie from: the
// time, the performance counter, the process and thread ids and an address, none of them secret
// but together unknown to an attacker in advance. Never zero, which would guard nothing: the
// passwords, whose rule is no fallback at all, do not take it.
[[gnu::no_stack_protector]] std::uintptr_t WeakGuard() {
  FILETIME time{};
  GetSystemTimeAsFileTime(&time);
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  std::uintptr_t guard = (std::uintptr_t{time.dwHighDateTime} << 32) ^ time.dwLowDateTime;
  guard ^= static_cast<std::uintptr_t>(counter.QuadPart) << 32 ^
           static_cast<std::uintptr_t>(counter.QuadPart);
  guard ^= std::uintptr_t{GetCurrentProcessId()} << 16 ^ GetCurrentThreadId();
  guard ^= reinterpret_cast<std::uintptr_t>(&guard);
  return guard != 0 ? guard : 0x2B992DDFA232;
}

// Before main, as libssp does. This function has no guard of its own to check, and the draw goes
// through a local: a function that saw the guard change under it would fail its own check.
[[gnu::constructor(101), gnu::no_stack_protector]] void SeedStackGuard() {
  std::uintptr_t guard = 0;
  if (!quillet::FillFromSystem(std::as_writable_bytes(std::span(&guard, 1))) || guard == 0) {
    guard = WeakGuard();
  }
  __stack_chk_guard = guard;
}

}  // namespace
