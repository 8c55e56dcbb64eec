// Shared by the fuzz targets: a private data folder and the bytes written into its files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/data_files.h"

namespace fuzz {

// Makes a private data folder once per process and fixes the data files there.
inline void useFolder() {
    static bool made = false;
    if (made) return;
    char pattern[] = "/tmp/restwarden-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    datafiles::setDirectory(pattern);
    made = true;
    std::atexit([] { std::filesystem::remove_all(datafiles::directory()); });
}

inline void writeFile(const char* name, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(datafiles::pathOf(name).c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

inline void removeFile(const char* name) { std::remove(datafiles::pathOf(name).c_str()); }

// A check that must hold for every input: a failure is a finding.
inline void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace fuzz
