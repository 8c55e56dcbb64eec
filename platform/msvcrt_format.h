// printf formats for the system C runtime (msvcrt.dll), which the Windows program uses
// instead of MinGW's own printf to stay small.
#pragma once

#include <cstddef>

// Copies a printf format into `out`, writing the 64-bit length "ll" of each conversion
// as "I64", the spelling that every msvcrt.dll reads (older ones do not know "ll").
// Everything else is copied byte for byte, so code page 932 texts pass unchanged ('%'
// is never a trail byte there). Returns false, with `out` unusable, when it does not fit.
bool toMsvcrtFormat(const char* format, char* out, size_t outSize);
