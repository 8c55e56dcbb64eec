// The platform functions the records code and the data files reach, for the fuzz targets.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "platform/platform.h"

namespace platform {

int64_t currentTime() { return 1717408800; }  // a fixed day, so that runs repeat
std::string currentDirectory() { return "."; }
bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
bool truncateFile(const std::string& path, uint64_t size) { return ::truncate(path.c_str(), static_cast<off_t>(size)) == 0; }
bool deleteFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

}  // namespace platform
