// Where the library would throw (no memory, a string too long) the program
// ends, as uncaught; the runtime's own would be most of the .exe.
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

// The runtime's prints to a console this program hasn't, with the demangler.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

// The runtime's report of a math error prints to that console too.
extern "C" int _matherr(struct _exception*) {
    return 0;  // as if unhandled: the function sets errno and returns its value
}
