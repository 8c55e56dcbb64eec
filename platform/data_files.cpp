#include "platform/data_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/platform.h"

namespace datafiles {
namespace {

std::string& dataDirectory() {
    static std::string value;
    return value;
}

// Writes through stdio, honouring the injected fault; true only if every byte reached
// the disk. Flushing the C runtime's buffer alone is not enough: after a power cut the
// file system may keep a later rename (or the grown length) and lose the data, leaving
// zeros where the bytes should be.
bool writeAll(std::FILE* file, const uint8_t* data, size_t size) {
    Faults& f = faults();
    size_t allowed = size;
    if (f.bytesBeforeWriteFails >= 0) {
        if (static_cast<uint64_t>(f.bytesBeforeWriteFails) < size) allowed = static_cast<size_t>(f.bytesBeforeWriteFails);
        f.bytesBeforeWriteFails -= static_cast<int64_t>(allowed);
    }
    size_t written = allowed == 0 ? 0 : std::fwrite(data, 1, allowed, file);
    bool flushed = std::fflush(file) == 0 && written == size && platform::flushToDisk(file);
    return written == size && flushed;
}

// Size of an open file (its position is left at the end), or -1.
int64_t sizeOfOpen(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<int64_t>(ftello(file));
#endif
}

}  // namespace

Faults& faults() {
    static Faults value;
    return value;
}

void setDirectory(const std::string& dir) { dataDirectory() = dir; }
const std::string& directory() { return dataDirectory(); }

std::string pathOf(const std::string& name) {
    const std::string& dir = dataDirectory();
    if (dir.empty()) return name;
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (endsWithSeparator(dir)) return dir + name;
    return dir + separator + name;
}

bool endsWithSeparator(const std::string& path) {
    // The path is UTF-8, where every byte of a character beyond ASCII is 0x80 or more: a
    // folder ending in 表 (95 5C in code page 932) does not end in a backslash here.
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

bool readFile(const std::string& name, std::vector<uint8_t>& out, size_t maxBytes) {
    out.clear();
    std::FILE* file = platform::openFile(pathOf(name), "rb");
    if (!file) return false;
    out.resize(maxBytes);
    size_t got = maxBytes == 0 ? 0 : std::fread(out.data(), 1, maxBytes, file);
    out.resize(got);
    std::fclose(file);
    return true;
}

bool readRange(const std::string& name, uint64_t offset, size_t size, std::vector<uint8_t>& out) {
    out.clear();
    std::FILE* file = platform::openFile(pathOf(name), "rb");
    if (!file) return false;
#ifdef _WIN32
    bool ok = _fseeki64(file, static_cast<int64_t>(offset), SEEK_SET) == 0;
#else
    bool ok = fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
    if (ok) {
        out.resize(size);
        ok = (size == 0 ? 0 : std::fread(out.data(), 1, size, file)) == size;
    }
    std::fclose(file);
    if (!ok) out.clear();
    return ok;
}

bool readRecords(const std::string& name, size_t recordSize, const std::function<void(const uint8_t*)>& visit) {
    const size_t perBlock = recordSize == 0 || recordSize >= 65536 ? 1 : 65536 / recordSize;
    return readRecordBlocks(name, recordSize, perBlock, [&](const uint8_t* records, size_t count) {
        for (size_t i = 0; i < count; ++i) visit(records + i * recordSize);
    });
}

bool readRecordBlocks(const std::string& name, size_t recordSize, size_t perBlock,
                      const std::function<void(const uint8_t* records, size_t count)>& visit) {
    if (recordSize == 0 || perBlock == 0) return false;
    std::FILE* file = platform::openFile(pathOf(name), "rb");
    if (!file) return false;
    const int64_t size = sizeOfOpen(file);
    std::rewind(file);
    splitRecords([file](uint8_t* into, size_t max) { return std::fread(into, 1, max, file); }, size, recordSize,
                 perBlock, visit);
    std::fclose(file);
    return true;
}

bool splitRecords(const ByteSource& read, int64_t sizeHint, size_t recordSize, size_t perBlock,
                  const std::function<void(const uint8_t* records, size_t count)>& visit) {
    if (recordSize == 0 || perBlock == 0) return false;
    // No bigger than the file needs: a short history costs no large buffer.
    size_t capacity = perBlock * recordSize;
    if (sizeHint >= 0 && static_cast<uint64_t>(sizeHint) < capacity)
        capacity = std::max(recordSize, static_cast<size_t>(sizeHint) - static_cast<size_t>(sizeHint) % recordSize);
    std::unique_ptr<uint8_t[]> block(new uint8_t[capacity]);
    size_t filled = 0;  // bytes of a record carried over from the previous read
    for (;;) {
        const size_t got = read(block.get() + filled, capacity - filled);
        filled += got;
        const size_t whole = filled / recordSize;
        if (whole > 0) visit(block.get(), whole);
        const size_t used = whole * recordSize;
        std::memmove(block.get(), block.get() + used, filled - used);
        filled -= used;
        if (got == 0) break;
    }
    return true;
}

int64_t fileSize(const std::string& name) {
    std::FILE* file = platform::openFile(pathOf(name), "rb");
    if (!file) return -1;
    const int64_t size = sizeOfOpen(file);
    std::fclose(file);
    return size;
}

bool replaceFile(const std::string& name, const uint8_t* data, size_t size) {
    if (faults().unwritable == name) return false;
    const std::string target = pathOf(name);
    const std::string temporary = target + ".new";
    std::FILE* file = platform::openFile(temporary, "wb");
    if (!file) return false;
    bool ok = writeAll(file, data, size);
    ok = (std::fclose(file) == 0) && ok;
    if (ok && faults().renameFails) ok = false;
    if (ok) ok = platform::replaceFile(temporary, target);
    if (!ok) platform::deleteFile(temporary);
    return ok;
}

bool appendRecord(const std::string& name, const uint8_t* data, size_t size) {
    if (size == 0 || faults().unwritable == name) return false;
    const std::string target = pathOf(name);
    int64_t existing = fileSize(name);
    uint64_t whole = 0;
    if (existing > 0) {
        whole = static_cast<uint64_t>(existing) - static_cast<uint64_t>(existing) % size;
        if (whole != static_cast<uint64_t>(existing) && !platform::truncateFile(target, whole)) return false;
    }
    std::FILE* file = platform::openFile(target, "ab");
    if (!file) return false;
    bool ok = writeAll(file, data, size);
    ok = (std::fclose(file) == 0) && ok;
    if (!ok && existing >= 0) platform::truncateFile(target, whole);
    if (!ok && existing < 0) platform::deleteFile(target);
    return ok;
}

bool removeFile(const std::string& name) { return platform::deleteFile(pathOf(name)); }

bool renameFile(const std::string& name, const std::string& newName) {
    if (fileSize(newName) >= 0) return false;
    return platform::replaceFile(pathOf(name), pathOf(newName));
}

}  // namespace datafiles
