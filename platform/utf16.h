// UTF-8 to UTF-16, for the one path the logic hands to a wide Windows message (the WAV file
// that the system's code page cannot spell). Portable: a char16_t string has the layout of
// Windows' wchar_t one.
#pragma once

#include <cstdint>
#include <string>

// Bytes that are not UTF-8 become U+FFFD, so a damaged restwarden.ini names no file at all
// rather than another one.
inline std::u16string utf16Of(const char* utf8) {
    std::u16string out;
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s) {
        uint32_t code = *s, more = 0, least = 0;
        if (code >= 0xF0 && code < 0xF5) code &= 0x07, more = 3, least = 0x10000;
        else if (code >= 0xE0 && code < 0xF0) code &= 0x0F, more = 2, least = 0x800;
        else if (code >= 0xC2 && code < 0xE0) code &= 0x1F, more = 1, least = 0x80;
        else if (code >= 0x80) code = 0xFFFD;
        ++s;
        uint32_t taken = 0;
        for (; taken < more && (*s & 0xC0) == 0x80; ++taken, ++s) code = (code << 6) | (*s & 0x3F);
        if (taken < more || code < least || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) code = 0xFFFD;
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}
