// The few platform functions the records code reaches, for the report tool.
//
// The tool only reads: every call that would change a file refuses, so no path through
// the shared code can write to the folder being reported on.
#include <chrono>
#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace platform {

int64_t currentTime() {
    // system_clock counts 64-bit seconds on every build, also the 32-bit one.
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

bool replaceFile(const std::string&, const std::string&) { return false; }
bool truncateFile(const std::string&, uint64_t) { return false; }
bool deleteFile(const std::string&) { return false; }

}  // namespace platform
