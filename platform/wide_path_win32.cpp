#include "platform/wide_path_win32.h"

namespace platform {

WideText::WideText(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    const int wide = size ? MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0) : 0;
    text.assign(static_cast<size_t>(wide > 0 ? wide : 0) + 1, L'\0');
    if (wide > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), wide);
}

std::string wideToUtf8(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

}  // namespace platform
