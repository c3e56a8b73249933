// SPDX-License-Identifier: MIT

// libstdc++'s verbose terminate handler writes the pending exception's type to standard error,
// which a windowed program does not have, and brings the C++ name demangler and what it uses into
// the program: about 70 KiB of quillet.exe with Debian 12's mingw-w64 (GCC 12), 80 KiB with
// Debian 13's (GCC 14). Standing in for it, this one ends the program as that one does once it
// has written: with abort().

#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
