// Reading and writing the program's data files without ever leaving a torn one.
//
// All the files live in one folder, fixed when the program starts. A file that is
// rewritten (param.dat, stateTmp.dat) is written whole to a temporary sibling and renamed
// over the old one, so a crash or a full disk leaves the old or the new file. A file that
// grows (state.dat) only ever gains whole records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace datafiles {

// Fixes the data folder. Called once at start with the current directory.
void setDirectory(const std::string& directory);
const std::string& directory();
// Full path of a data file in the data folder.
std::string pathOf(const std::string& name);
// True when the (UTF-8) path ends in '\\' or '/'.
bool endsWithSeparator(const std::string& path);

// Reads at most `maxBytes` of the file. False when it cannot be opened.
bool readFile(const std::string& name, std::vector<uint8_t>& out, size_t maxBytes);
// Reads `size` bytes at `offset`. False when the file cannot be opened or holds fewer bytes.
bool readRange(const std::string& name, uint64_t offset, size_t size, std::vector<uint8_t>& out);
// Calls `visit` with each whole record of `recordSize` bytes, from the start, in order; a
// trailing piece shorter than a record is ignored. Reads in blocks, not the whole file at
// once. False when the file cannot be opened.
bool readRecords(const std::string& name, size_t recordSize, const std::function<void(const uint8_t*)>& visit);
// The same, handing over up to `perBlock` whole records at a time, laid end to end.
bool readRecordBlocks(const std::string& name, size_t recordSize, size_t perBlock,
                      const std::function<void(const uint8_t* records, size_t count)>& visit);
// The same over any source of bytes: `read` fills up to `max` bytes and returns how many
// (0 at the end); `sizeHint` (or -1) only bounds the buffer. The file readers go through
// here, and so can a reader of bytes already in memory.
using ByteSource = std::function<size_t(uint8_t* into, size_t max)>;
bool splitRecords(const ByteSource& read, int64_t sizeHint, size_t recordSize, size_t perBlock,
                  const std::function<void(const uint8_t* records, size_t count)>& visit);
// Size of the file in bytes, or -1 when it does not exist or cannot be opened.
int64_t fileSize(const std::string& name);
// Replaces the file with exactly these bytes, atomically. False (old file intact) on failure.
bool replaceFile(const std::string& name, const uint8_t* data, size_t size);
// Appends one record of `size` bytes. A trailing piece shorter than a record, left by an
// interrupted append, is cut off first; a failed append leaves the file as it was.
bool appendRecord(const std::string& name, const uint8_t* data, size_t size);
bool removeFile(const std::string& name);
// Gives the file another name in the data folder; false when that name is taken.
bool renameFile(const std::string& name, const std::string& newName);

// Fault injection for tests: every write stops after this many more bytes (-1: never).
struct Faults {
    int64_t bytesBeforeWriteFails = -1;
    bool renameFails = false;
    std::string unwritable;  // every write to this data file fails (held by another program)
};
Faults& faults();

}  // namespace datafiles
