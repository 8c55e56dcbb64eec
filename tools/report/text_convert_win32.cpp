#include "tools/report/text_convert.h"

#include <windows.h>

#include <vector>

namespace {

std::string toUtf8(UINT codePage, const std::string& text) {
    if (text.empty()) return text;
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (wide <= 0) return text;
    std::vector<wchar_t> w(static_cast<size_t>(wide));
    MultiByteToWideChar(codePage, 0, text.data(), size, w.data(), wide);
    const int narrow = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0) return text;
    std::string out(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

}  // namespace

std::string cp932ToUtf8(const std::string& text) { return toUtf8(932, text); }
std::string argumentToUtf8(const std::string& text) { return toUtf8(CP_ACP, text); }

std::wstring widePath(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &out[0], wide);
    return out;
}

bool consoleIsCp932() { return true; }
