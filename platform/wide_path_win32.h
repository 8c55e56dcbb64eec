// UTF-8 <-> UTF-16 for paths: the data folder and the Wave file are kept as UTF-8 so that
// a name in any script survives, and reach Windows through its wide functions.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

std::wstring utf8ToWide(const std::string& utf8);
std::string wideToUtf8(const wchar_t* wide);

}  // namespace platform
