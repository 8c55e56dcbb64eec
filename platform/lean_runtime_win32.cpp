// The few pieces of the C++ runtime that the Windows program defines itself, so that the
// statically linked executable carries no exception machinery.
//
// The program is built without exceptions (-fno-exceptions -fno-rtti). Left alone, the
// standard library still brings its throwing helpers, the unwinder, the exception classes
// and, through the verbose terminate handler, a full C++ name demangler: about 150 KB of a
// program whose own code is a fraction of that. Each definition here satisfies the linker
// before the library's own object is looked for, so that object is never pulled in. Every
// one of these paths is a dead end in this program (memory exhausted, a string grown past
// its maximum, an empty std::function called), and ending the process is what an
// uncaught exception would have done.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

#include "platform/msvcrt_format.h"

namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
}  // namespace std

// The terminate handler that prints the demangled type of an uncaught exception.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

extern "C" void __cxa_pure_virtual() { std::abort(); }

// The library's operator new reports failure by throwing std::bad_alloc.
void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (!block) std::abort();
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

// The library's prebuilt std::string holds try/catch blocks, which would bring back the
// unwinder. Instantiated here, without exceptions, it satisfies every use in the program
// and the linker keeps only the members that are called.
template class std::basic_string<char>;

// MinGW's libstdc++ routes every snprintf through MinGW's own C99 printf, some 20 KB with
// its floating-point conversion. The program formats only integers and texts, which the
// system's msvcrt.dll does as well; this keeps C99's promises on top of it: the result is
// always terminated, and the answer is the length the whole text needs.
extern "C" int __cdecl __mingw_vsnprintf(char* __restrict__ buffer, size_t size, const char* __restrict__ format,
                                         va_list args) {
    char converted[512];
    const char* msFormat = toMsvcrtFormat(format, converted, sizeof converted) ? converted : format;
    if (size == 0) return _vscprintf(msFormat, args);
    va_list again;
    va_copy(again, args);
    int length = _vsnprintf(buffer, size, msFormat, args);
    if (length < 0 || static_cast<size_t>(length) >= size) {
        buffer[size - 1] = 0;
        length = _vscprintf(msFormat, again);
    }
    va_end(again);
    return length;
}
