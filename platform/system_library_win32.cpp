#include "platform/system_library_win32.h"

namespace systemlib {

Procedure find(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<Procedure>(GetProcAddress(module, name));
}

}  // namespace systemlib
