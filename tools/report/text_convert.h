// The program's texts are code page 932; JSON and a Linux terminal want UTF-8.
#pragma once

#include <string>

// Converts code page 932 text to UTF-8. Bytes that do not convert become U+FFFD.
std::string cp932ToUtf8(const std::string& text);
// Whether the console shows code page 932 as it is (a Windows console) rather than UTF-8.
bool consoleIsCp932();
// A command-line argument (the system's code page on Windows) as UTF-8, the encoding of
// the data folder's path.
std::string argumentToUtf8(const std::string& text);
#ifdef _WIN32
// A UTF-8 path for the wide file functions.
std::wstring widePath(const std::string& utf8);
#endif
