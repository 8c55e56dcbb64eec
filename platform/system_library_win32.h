// System DLLs that only a dialog or a rarely used feature needs (the common dialogs, the
// property sheet, OLE, the MCI window) are loaded when first used, not at start, so the
// program maps at start little more than a bare tray program does. They are never
// linked as imports; their functions are looked up here by name.
//
// Every one is loaded from the system folder only: the program is started from wherever it
// was unpacked (often Downloads, where any web page can drop a file), and a DLL of the
// same name beside it must never run inside it.
#pragma once

#include <windows.h>

namespace systemlib {

using Procedure = void (*)();

// Makes the system folder the only place Windows looks for DLLs, also for the ones the
// system DLLs load in turn. Called first thing at start.
void pinToSystemFolder();
// Loads a system DLL from the system folder; null when it cannot be had.
HMODULE load(const char* library);

// The named function of a system DLL, loading the DLL on first use; it then stays loaded
// for the rest of the run. Null when the DLL or the function cannot be had.
Procedure find(const char* library, const char* name);

// The same, typed: systemlib::function<decltype(&PropertySheetA)>("comctl32.dll", "PropertySheetA").
template <typename Function>
Function function(const char* library, const char* name) {
    // void (*)() is the one function type that converts to and from every other one.
    return reinterpret_cast<Function>(find(library, name));
}

}  // namespace systemlib
