// The few platform functions the records code reaches, for the report tool.
//
// The tool only reads: every call that would change a file refuses, so no path through
// the shared code can write to the folder being reported on.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "tools/report/text_convert.h"

namespace platform {

int64_t currentTime() {
    // system_clock counts 64-bit seconds on every build, also the 32-bit one.
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::FILE* openFile(const std::string& path, const char* mode) {
    if (mode[0] != 'r') return nullptr;
#ifdef _WIN32
    return _wfopen(widePath(path).c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}
bool flushToDisk(std::FILE*) { return false; }
bool replaceFile(const std::string&, const std::string&) { return false; }
bool truncateFile(const std::string&, uint64_t) { return false; }
bool deleteFile(const std::string&) { return false; }

}  // namespace platform
