// What happens on an uncaught exception.  The C++ runtime's own handler
// prints the exception's demangled type to a console this GUI program doesn't
// have, and links in the whole demangler for it (about 70 KB of the .exe).
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
