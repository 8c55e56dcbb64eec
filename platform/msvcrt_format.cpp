#include "platform/msvcrt_format.h"

#include <cstring>

bool toMsvcrtFormat(const char* format, char* out, size_t outSize) {
    if (outSize == 0) return false;
    size_t n = 0;
    auto put = [&](const char* text, size_t length) {
        if (n + length >= outSize) return false;
        std::memcpy(out + n, text, length);
        n += length;
        return true;
    };
    for (const char* p = format; *p;) {
        if (*p != '%') {
            if (!put(p++, 1)) return false;
            continue;
        }
        // One conversion: '%', flags, width, precision and length, up to its letter.
        if (!put(p++, 1)) return false;
        while (*p && std::strchr("-+ #0123456789.*hlLjztI", *p)) {
            if (p[0] == 'l' && p[1] == 'l') {
                if (!put("I64", 3)) return false;
                p += 2;
            } else if (!put(p++, 1)) {
                return false;
            }
        }
        if (*p && !put(p++, 1)) return false;  // the conversion letter, or the second '%' of "%%"
    }
    out[n] = 0;
    return true;
}
