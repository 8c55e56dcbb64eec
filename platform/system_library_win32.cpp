#include "platform/system_library_win32.h"

#include <cstring>

namespace systemlib {

void pinToSystemFolder() {
    // Windows 8 and 7 with KB2533623 have it; without it every load below still names the
    // system folder itself.
    using SetDefault = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefault>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE load(const char* library) {
    HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module) return module;
    // The flag is unknown to this Windows (or the load failed with it): the full
    // path, so the search order never runs.
    char path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    const size_t length = std::strlen(library);
    if (n == 0 || n + 1 + length >= MAX_PATH) return nullptr;
    path[n] = '\\';
    std::memcpy(path + n + 1, library, length + 1);
    return LoadLibraryA(path);
}

Procedure find(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = load(library);
    if (!module) return nullptr;
    return reinterpret_cast<Procedure>(GetProcAddress(module, name));
}

}  // namespace systemlib
