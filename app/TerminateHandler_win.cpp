// What ends the program when an exception escapes everything (the message loop and every window
// procedure catch theirs, so this is a last resort): it stops at once. The standard library's own
// handler, which this replaces, prints the exception's demangled type to a console this program
// does not have, and brings some 50 KB of name demangling into the release program for it.
#include <cxxabi.h>

#include <cstdlib>

namespace __gnu_cxx {
// NOLINTNEXTLINE(bugprone-reserved-identifier): it replaces the library's handler by that name.
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
