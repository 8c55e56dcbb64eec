// The options that param.dat has no room for, and their file restwarden.ini.
//
// param.dat keeps its exact 284 bytes so that older versions still read it; everything
// newer lives here as `key=value` lines (ASCII keys, UTF-8 text) of an [options] section. A missing file, a
// missing or unknown key, or a value out of its range gives that option's default, and
// nothing in the file can keep the program from starting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr const char* OptionsFileName = "restwarden.ini";

// A WAV path as UTF-8: 259 UTF-16 units take at most three bytes each.
constexpr size_t WavPathUtf8Size = 780;

struct Options {
    uint8_t awayIsRest = 0;       // time away from the PC counts as rest
    int32_t awayMinutes = 5;      // minutes without input (or locked) that count as away, 1..60
    uint8_t quietFullscreen = 1;  // no notice over a full-screen program
    uint8_t allMonitors = 1;      // the notice covers every monitor
    uint8_t language = 0;         // texts::Choice: written as auto, ja or en
    // The chosen WAV file, whole, when the system's code page cannot spell its path; param.dat
    // then holds an empty path. Used only while param.dat's path is empty, so a file chosen
    // since by a version without this key wins. Written only when set.
    char wavPathUtf8[WavPathUtf8Size] = {};
};

// The options a file's text gives; anything it does not give well is the default.
Options parseOptions(const std::string& text);
// The whole file for these options (CRLF line ends).
std::string formatOptions(const Options& options);

// Reads restwarden.ini from the data folder (defaults when it is missing).
Options loadOptions();
// Replaces restwarden.ini atomically; false (old file intact) when it cannot be written.
bool saveOptions(const Options& options);
