// What runs when an exception escapes or noexcept is broken. flickmark.exe has no console, so the C++
// runtime's own handler, which names the exception on stderr, would say it to nobody, and it brings a
// symbol demangler of about 45 KB into the exe. Defining the handler here keeps the runtime's out.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
