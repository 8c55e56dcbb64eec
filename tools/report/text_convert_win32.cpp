#include "tools/report/text_convert.h"

#include <windows.h>

#include <vector>

std::string cp932ToUtf8(const std::string& text) {
    if (text.empty()) return text;
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(932, 0, text.data(), size, nullptr, 0);
    if (wide <= 0) return text;
    std::vector<wchar_t> w(static_cast<size_t>(wide));
    MultiByteToWideChar(932, 0, text.data(), size, w.data(), wide);
    const int narrow = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0) return text;
    std::string out(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

bool consoleIsCp932() { return true; }
