// The C++ runtime, trimmed for this program (mingw builds).
//
// The program is built without exceptions: nothing in it catches one, so the
// few places where the standard library would throw (out of memory, a string
// too long) end the program here, as an uncaught exception would.  Leaving
// them to the runtime would link in its exception machinery and unwind tables
// for nothing, well over half of the .exe.
#include <cstdlib>
#include <new>

namespace std {
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
}  // namespace std

void* operator new(std::size_t size) {
    if (void* p = std::malloc(size != 0 ? size : 1)) {
        return p;
    }
    std::abort();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

// The runtime's own handler for an uncaught exception prints to a console
// this GUI program doesn't have, and links in the demangler to do it.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
