// UTF-8 <-> UTF-16 for paths: the data folder and the Wave file are kept as UTF-8 so that
// a name in any script survives, and reach Windows through its wide functions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// A zero-terminated UTF-16 copy of a UTF-8 text. Not a std::wstring: the library's compiled
// wide string would bring the exception machinery that the program leaves out.
class WideText {
public:
    explicit WideText(const std::string& utf8);
    const wchar_t* c_str() const { return text.data(); }

private:
    std::vector<wchar_t> text;
};

inline WideText utf8ToWide(const std::string& utf8) { return WideText(utf8); }
std::string wideToUtf8(const wchar_t* wide);

}  // namespace platform
